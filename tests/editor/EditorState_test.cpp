#include "document/FontDocument.h"
#include "document/GlyphHistory.h"
#include "document/MemoryImage.h"
#include "editor/EditorState.h"
#include "editor/GlyphExchange.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessellon {
namespace {

    using Bytes = std::vector<std::uint8_t>;

    // Six 12 x 2 glyphs (4 bytes each) whose bytes are their index times 16 plus the byte's
    // place, with codes 0x41 on.
    FontLib sixGlyphs()
    {
        FontLib font = FontLib::blank(12, 2, 6, true);
        for (std::size_t i = 0; i < font.pixelData.size(); ++i) {
            font.pixelData[i] = static_cast<std::uint8_t>((i / 4) * 16 + i % 4);
        }
        for (std::uint16_t i = 0; i < 6; ++i) {
            (*font.codeTable)[i] = static_cast<std::uint16_t>(0x41 + i);
        }
        return font;
    }

    // A font window's font, its history and its editor.
    struct Window {
        FontDocument document;
        GlyphHistory history { document };
        EditorState state { document };

        explicit Window(FontLib font) { history.takeFont(std::move(font), FontOrigin::itsFile); }

        // What Update does: the picture written into glyph index as one step; false when
        // nothing was written.
        bool update(std::uint32_t index)
        {
            const GlyphChange change = state.editBufferChange(index);
            if (change.empty() || !history.changeGlyphs(change)) {
                return false;
            }
            state.editGlyph = index;
            return true;
        }
    };

    // What the listeners heard, as the runs' first glyph and count.
    struct Heard {
        std::vector<std::pair<std::uint32_t, std::uint32_t>> runs;
        FontDocument::GlyphsListener listener()
        {
            return [this](const GlyphChange& change) {
                for (const GlyphRun& r : change.runs) {
                    runs.emplace_back(r.first, r.count);
                }
            };
        }
    };

    TEST(EditorStateStart, ABlankPictureABlackPenAndTheDefaultZoom)
    {
        FontDocument document;
        const EditorState state(document);
        EXPECT_TRUE(state.editBuffer.empty());
        EXPECT_FALSE(state.editGlyph.has_value());
        EXPECT_EQ(state.penColor, black);
        EXPECT_EQ(state.zoom, 10);
    }

    TEST(GlyphDoorEditing, UpdateAndPasteGoThroughTheDoor)
    {
        Window window(sixGlyphs());
        Heard heard;
        window.document.addGlyphsListener(heard.listener());

        ASSERT_TRUE(window.state.LoadEditBuffer(1));
        ASSERT_TRUE(window.update(4));
        EXPECT_TRUE(window.history.modified());
        EXPECT_EQ(heard.runs, (std::vector<std::pair<std::uint32_t, std::uint32_t>> { { 4, 1 } }));
        const auto copied = window.document.fontLib().glyph(4);
        EXPECT_EQ(Bytes(copied.begin(), copied.end()), (Bytes { 0x10, 0x10, 0x12, 0x10 }))
            << "glyph 1 with its padding bits cleared";

        window.history.markSaved();
        MemoryImage image(12, 2);
        image.setPixel(11, 1, black);
        const FontLib& font = window.document.fontLib();
        ASSERT_TRUE(
            window.history.changeGlyphs(changeFromBlock(font, { 1, 1, 12, 2, 2, 1 }, image)));
        EXPECT_TRUE(window.history.modified()) << "a paste is a change the user must not lose";
        EXPECT_EQ(heard.runs.back(), (std::pair<std::uint32_t, std::uint32_t> { 2, 1 }));
        const auto pasted = window.document.fontLib().glyph(2);
        EXPECT_EQ(Bytes(pasted.begin(), pasted.end()), (Bytes { 0, 0, 0, 0x10 }));

        EXPECT_TRUE(changeFromBlock(font, { 1, 1, 12, 2, 6, 1 }, image).empty());
        EXPECT_EQ(heard.runs.size(), 2u);
    }

    TEST(EditorStateEditing, LoadCopiesTheGlyphAndUpdateWritesItBack)
    {
        FontLib font = FontLib::blank(12, 2, 3, true);
        font.setPixel(0, 0, 0);
        font.setPixel(0, 11, 1);
        font.glyph(0)[1] |= 0x0F; // stray padding
        Window window(std::move(font));
        EditorState& state = window.state;

        ASSERT_TRUE(state.LoadEditBuffer(0));
        ASSERT_EQ(state.editBuffer.size(), 24u);
        EXPECT_EQ(state.editBuffer[0], 1);
        EXPECT_EQ(state.editBuffer[1 * 12 + 11], 1);
        EXPECT_EQ(std::count(state.editBuffer.begin(), state.editBuffer.end(), 1), 2);
        EXPECT_FALSE(window.history.modified()) << "loading the editor changes nothing";

        state.editBuffer[5] = 1;
        ASSERT_TRUE(window.update(2));
        EXPECT_TRUE(window.history.modified());
        const auto glyph = window.document.fontLib().glyph(2);
        EXPECT_EQ(glyph[0], 0x84); // pixels 0 and 5
        EXPECT_EQ(glyph[1], 0x00);
        EXPECT_EQ(glyph[2], 0x00);
        EXPECT_EQ(glyph[3], 0x10); // pixel 11 of row 1, padding cleared
    }

    TEST(EditorStateEditing, OutOfRangeIndexesAreRefused)
    {
        Window window(FontLib::blank(8, 8, 1, false));
        EditorState& state = window.state;
        state.resetEditBuffer();
        state.editBuffer[0] = 1;
        EXPECT_FALSE(state.LoadEditBuffer(1));
        EXPECT_EQ(state.editBuffer[0], 1) << "edit buffer untouched";
        EXPECT_FALSE(window.update(1));
        EXPECT_FALSE(window.history.modified());
    }

    // What the pixel editor's picture shows against the glyph it came from.
    TEST(EditBufferState, UnwrittenWhileThePictureHoldsWhatItsGlyphDoesNot)
    {
        Window window(sixGlyphs());
        EditorState& state = window.state;
        state.resetEditBuffer();
        EXPECT_FALSE(state.editGlyph.has_value());
        EXPECT_FALSE(state.editBufferUnwritten()) << "a blank picture from no glyph";
        state.editBuffer[5] = 1;
        EXPECT_TRUE(state.editBufferUnwritten()) << "ink drawn on the blank picture";

        ASSERT_TRUE(state.LoadEditBuffer(1));
        EXPECT_EQ(state.editGlyph, 1u);
        EXPECT_FALSE(state.editBufferUnwritten());
        state.editBuffer[0] ^= 1;
        EXPECT_TRUE(state.editBufferUnwritten());
        state.editBuffer[0] ^= 1;
        EXPECT_FALSE(state.editBufferUnwritten()) << "drawn back as it was";

        state.editBuffer[0] ^= 1;
        ASSERT_TRUE(window.update(4));
        EXPECT_EQ(state.editGlyph, 4u) << "written, the picture is glyph 4's";
        EXPECT_FALSE(state.editBufferUnwritten());

        ASSERT_TRUE(window.history.changeGlyphs({ { { 4, 1, Bytes(4, 0xff), {} } } }));
        EXPECT_TRUE(state.editBufferUnwritten()) << "its glyph changed underneath";
    }

    TEST(EditBufferState, TheChangeThatUpdateAppliesWritesThePicture)
    {
        Window window(sixGlyphs());
        EditorState& state = window.state;
        ASSERT_TRUE(state.LoadEditBuffer(1));
        const GlyphChange change = state.editBufferChange(3);
        ASSERT_EQ(change.runs.size(), 1u);
        EXPECT_EQ(change.runs[0].first, 3u);
        EXPECT_EQ(change.runs[0].pixels, (Bytes { 0x10, 0x10, 0x12, 0x10 }));
        EXPECT_FALSE(change.runs[0].codes.has_value());
        EXPECT_TRUE(state.editBufferChange(6).empty());
        state.editBuffer.pop_back();
        EXPECT_TRUE(state.editBufferChange(3).empty());
    }

} // namespace
} // namespace tessellon
