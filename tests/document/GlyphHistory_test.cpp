#include "document/GlyphHistory.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    using Bytes = std::vector<std::uint8_t>;

    // Glyph index of a 8 x 1 font filled with fill.
    GlyphChange fill(std::uint32_t index, std::uint8_t fill)
    {
        return { { GlyphRun { index, 1, Bytes { fill }, {} } } };
    }

    struct History {
        FontDocument document;
        GlyphHistory history { document };

        explicit History(FontOrigin origin = FontOrigin::itsFile)
        {
            history.takeFont(FontLib::blank(8, 1, 4, false), origin);
        }

        std::uint8_t glyph(std::uint32_t index) const { return document.fontLib().glyph(index)[0]; }
    };

    TEST(GlyphHistory, StepsMarkTheFontModifiedAndUndoingBackClearsIt)
    {
        History h;
        EXPECT_FALSE(h.history.modified()) << "a font just read is as saved";
        ASSERT_TRUE(h.history.changeGlyphs(fill(1, 0xF0)));
        ASSERT_TRUE(h.history.changeBaseline(1));
        EXPECT_TRUE(h.history.modified());
        EXPECT_EQ(h.history.position(), 2u);

        h.history.undo();
        EXPECT_FALSE(h.document.fontLib().baseline.has_value());
        EXPECT_TRUE(h.history.modified());
        h.history.undo();
        EXPECT_EQ(h.glyph(1), 0);
        EXPECT_FALSE(h.history.modified()) << "back to the saved font";
        EXPECT_FALSE(h.history.canUndo());

        h.history.redo();
        h.history.redo();
        EXPECT_EQ(h.glyph(1), 0xF0);
        EXPECT_EQ(h.document.fontLib().baseline, 1);
        EXPECT_TRUE(h.history.modified());
        EXPECT_FALSE(h.history.canRedo());
    }

    TEST(GlyphHistory, WhatChangesNothingTakesNoStep)
    {
        History h;
        ASSERT_TRUE(h.history.changeBaseline(std::nullopt));
        ASSERT_TRUE(h.history.changeGlyphs({}));
        EXPECT_FALSE(h.history.changeGlyphs(fill(4, 0xFF)));
        EXPECT_FALSE(h.history.changeGlyphs({ { fill(0, 0xFF).runs[0], fill(4, 0).runs[0] } }));
        EXPECT_FALSE(h.history.changeBaseline(2));
        EXPECT_EQ(h.glyph(0), 0) << "a refused change changes nothing";
        EXPECT_EQ(h.history.position(), 0u);
        EXPECT_FALSE(h.history.modified());
    }

    TEST(GlyphHistory, AFontNeverSavedStaysModifiedUntilItIsSaved)
    {
        History h(FontOrigin::madeOrImported);
        EXPECT_TRUE(h.history.modified());
        ASSERT_TRUE(h.history.changeGlyphs(fill(0, 1)));
        h.history.undo();
        EXPECT_TRUE(h.history.modified());

        h.history.markSaved();
        EXPECT_FALSE(h.history.modified());
        EXPECT_TRUE(h.history.canRedo());
        h.history.redo();
        h.history.undo();
        EXPECT_FALSE(h.history.modified());
    }

    TEST(GlyphHistory, ASavedStateUndoneAndReplacedIsNeverReachedAgain)
    {
        History h;
        ASSERT_TRUE(h.history.changeGlyphs(fill(0, 1)));
        h.history.markSaved();
        h.history.undo();
        ASSERT_TRUE(h.history.changeGlyphs(fill(0, 1)));
        EXPECT_TRUE(h.history.modified()) << "the glyphs are the same, but edited twice";
        h.history.undo();
        EXPECT_TRUE(h.history.modified());

        ASSERT_TRUE(h.history.changeGlyphs(fill(2, 2)));
        h.history.markSaved();
        h.history.undo();
        h.history.dropRedo();
        EXPECT_FALSE(h.history.canRedo());
        EXPECT_TRUE(h.history.modified());
    }

    TEST(GlyphHistory, KeepsTheLastStepsUpToItsLimit)
    {
        History h;
        for (std::size_t step = 0; step <= GlyphHistory::stepLimit; ++step) {
            ASSERT_TRUE(h.history.changeGlyphs(fill(0, static_cast<std::uint8_t>(step + 1))));
        }
        std::size_t undone = 0;
        for (; h.history.canUndo(); ++undone) {
            h.history.undo();
        }
        EXPECT_EQ(undone, GlyphHistory::stepLimit);
        EXPECT_EQ(h.glyph(0), 1) << "the first step is forgotten, not undone";
        EXPECT_TRUE(h.history.modified());

        h.history.takeFont(FontLib::blank(8, 1, 4, false), FontOrigin::itsFile);
        EXPECT_FALSE(h.history.canUndo());
        EXPECT_FALSE(h.history.canRedo());
        EXPECT_FALSE(h.history.modified());
    }

    TEST(GlyphHistory, BeforeAnyFontNothingIsModified)
    {
        FontDocument document;
        const GlyphHistory history(document);
        EXPECT_FALSE(history.modified());
    }

} // namespace
} // namespace tessellon
