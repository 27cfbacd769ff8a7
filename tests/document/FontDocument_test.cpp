#include "document/FontDocument.h"
#include "document/MemoryImage.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    using Bytes = std::vector<std::uint8_t>;
    using Codes = std::vector<std::uint16_t>;

    // Six 12 x 2 glyphs (4 bytes each) whose bytes are their index times 16 plus the byte's
    // place, with codes 0x41 on.
    void putSixGlyphs(FontDocument& document)
    {
        document.fontLib = FontLib::blank(12, 2, 6, true);
        for (std::size_t i = 0; i < document.fontLib.pixelData.size(); ++i) {
            document.fontLib.pixelData[i] = static_cast<std::uint8_t>((i / 4) * 16 + i % 4);
        }
        for (std::uint16_t i = 0; i < 6; ++i) {
            (*document.fontLib.codeTable)[i] = static_cast<std::uint16_t>(0x41 + i);
        }
    }

    GlyphRun run(std::uint32_t first, std::uint32_t count, std::uint8_t fill,
        std::optional<Codes> codes = std::nullopt)
    {
        return { first, count, Bytes(count * 4u, fill), std::move(codes) };
    }

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

    struct ChangeCase {
        const char* what;
        GlyphChange change;
    };

    class GlyphDoor : public ::testing::TestWithParam<ChangeCase> { };

    TEST_P(GlyphDoor, ReplacesTheGlyphsAndGivesBackWhatUndoesIt)
    {
        FontDocument document;
        putSixGlyphs(document);
        const FontLib original = document.fontLib;
        const GlyphChange& change = GetParam().change;

        Result<GlyphChange> undo = document.replaceGlyphs(change);
        ASSERT_TRUE(undo.ok()) << undo.message();
        EXPECT_TRUE(document.modified);
        const GlyphRun& last = change.runs.back();
        EXPECT_EQ(copyGlyphs(document.fontLib, last.first, last.count, false).pixels, last.pixels);
        EXPECT_NE(document.fontLib.pixelData, original.pixelData);

        const Result<GlyphChange> redo = document.replaceGlyphs(*undo);
        ASSERT_TRUE(redo.ok()) << redo.message();
        EXPECT_EQ(document.fontLib.pixelData, original.pixelData);
        EXPECT_EQ(document.fontLib.codeTable, original.codeTable);

        ASSERT_TRUE(document.replaceGlyphs(*redo).ok());
        FontDocument again;
        putSixGlyphs(again);
        ASSERT_TRUE(again.replaceGlyphs(change).ok());
        EXPECT_EQ(document.fontLib.pixelData, again.fontLib.pixelData) << "redo repeats the change";
        EXPECT_EQ(document.fontLib.codeTable, again.fontLib.codeTable);
    }

    INSTANTIATE_TEST_SUITE_P(Changes, GlyphDoor,
        ::testing::Values(ChangeCase { "one glyph", { { run(2, 1, 0xFF) } } },
            ChangeCase {
                "the last glyph with its code", { { run(5, 1, 0x0F, Codes { 0x263A }) } } },
            ChangeCase { "every glyph", { { run(0, 6, 0xA5) } } },
            ChangeCase {
                "two separate runs", { { run(0, 2, 0x11), run(4, 2, 0x22, Codes { 1, 2 }) } } },
            ChangeCase {
                "overlapping runs", { { run(1, 3, 0x33), run(2, 3, 0x44, Codes { 7, 8, 9 }) } } }),
        [](const auto& info) {
            std::string name = info.param.what;
            std::erase(name, ' ');
            return name;
        });

    TEST(GlyphDoorCodes, ARunWithoutCodesLeavesThemAndItsUndoCarriesNone)
    {
        FontDocument document;
        putSixGlyphs(document);
        const Result<GlyphChange> undo = document.replaceGlyphs({ { run(1, 2, 0) } });
        ASSERT_TRUE(undo.ok());
        EXPECT_EQ((*document.fontLib.codeTable)[1], 0x42);
        ASSERT_EQ(undo->runs.size(), 1u);
        EXPECT_FALSE(undo->runs[0].codes.has_value());
        EXPECT_EQ(undo->runs[0].pixels, (Bytes { 0x10, 0x11, 0x12, 0x13, 0x20, 0x21, 0x22, 0x23 }));

        const Result<GlyphChange> withCodes
            = document.replaceGlyphs({ { run(3, 1, 0, Codes { 0x4E2D }) } });
        ASSERT_TRUE(withCodes.ok());
        EXPECT_EQ((*document.fontLib.codeTable)[3], 0x4E2D);
        EXPECT_EQ(withCodes->runs[0].codes, (Codes { 0x44 }));
    }

    TEST(GlyphDoorRefusal, AChangeThatDoesNotFitChangesNothing)
    {
        const ChangeCase cases[] = {
            { "past the last glyph", { { run(5, 2, 0) } } },
            { "at the glyph count", { { run(6, 1, 0) } } },
            { "wrapping around", { { run(0xFFFFFFFF, 2, 0) } } },
            { "too few bytes", { { GlyphRun { 1, 2, Bytes(7, 0), {} } } } },
            { "too many codes", { { run(1, 1, 0, Codes { 1, 2 }) } } },
            { "a good run and a bad one", { { run(0, 1, 0xFF), run(6, 1, 0) } } },
        };
        for (const ChangeCase& c : cases) {
            FontDocument document;
            putSixGlyphs(document);
            Heard heard;
            document.addGlyphsListener(heard.listener());
            const FontLib before = document.fontLib;
            const Result<GlyphChange> result = document.replaceGlyphs(c.change);
            EXPECT_FALSE(result.ok()) << c.what;
            EXPECT_FALSE(result.message().empty()) << c.what;
            EXPECT_EQ(document.fontLib.pixelData, before.pixelData) << c.what;
            EXPECT_EQ(document.fontLib.codeTable, before.codeTable) << c.what;
            EXPECT_FALSE(document.modified) << c.what;
            EXPECT_TRUE(heard.runs.empty()) << c.what;
        }
    }

    TEST(GlyphDoorRefusal, CodesForAFontWithoutACodeTableAreRefused)
    {
        FontDocument document;
        document.fontLib = FontLib::blank(12, 2, 6, false);
        const Result<GlyphChange> result
            = document.replaceGlyphs({ { run(0, 1, 0, Codes { 1 }) } });
        EXPECT_FALSE(result.ok());
        EXPECT_NE(result.message().find("no code table"), std::string::npos) << result.message();
        EXPECT_FALSE(document.fontLib.codeTable.has_value());
    }

    TEST(GlyphDoorListeners, HearEveryAppliedChangeUntilRemoved)
    {
        FontDocument document;
        putSixGlyphs(document);
        Heard first;
        Heard second;
        const auto firstId = document.addGlyphsListener(first.listener());
        document.addGlyphsListener(second.listener());

        ASSERT_TRUE(document.replaceGlyphs({ { run(0, 2, 0), run(4, 1, 0) } }).ok());
        const std::vector<std::pair<std::uint32_t, std::uint32_t>> expected { { 0, 2 }, { 4, 1 } };
        EXPECT_EQ(first.runs, expected);
        EXPECT_EQ(second.runs, expected);

        document.removeGlyphsListener(firstId);
        ASSERT_TRUE(document.replaceGlyphs({ { run(3, 1, 0) } }).ok());
        EXPECT_EQ(first.runs.size(), 2u);
        EXPECT_EQ(second.runs.back(), (std::pair<std::uint32_t, std::uint32_t> { 3, 1 }));

        document.modified = false;
        ASSERT_TRUE(document.replaceGlyphs({}).ok());
        EXPECT_FALSE(document.modified) << "an empty change changes nothing";
        EXPECT_EQ(second.runs.size(), 3u);
    }

    TEST(GlyphDoorEditing, UpdateAndPasteGoThroughTheDoor)
    {
        FontDocument document;
        putSixGlyphs(document);
        Heard heard;
        document.addGlyphsListener(heard.listener());

        ASSERT_TRUE(document.LoadEditBuffer(1));
        ASSERT_TRUE(document.StoreEditBuffer(4));
        EXPECT_TRUE(document.modified);
        EXPECT_EQ(heard.runs, (std::vector<std::pair<std::uint32_t, std::uint32_t>> { { 4, 1 } }));
        const auto copied = document.fontLib.glyph(4);
        EXPECT_EQ(Bytes(copied.begin(), copied.end()), (Bytes { 0x10, 0x10, 0x12, 0x10 }))
            << "glyph 1 with its padding bits cleared";

        document.modified = false;
        MemoryImage image(12, 2);
        image.setPixel(11, 1, black);
        ASSERT_TRUE(document.ReadGlyph(image, 0, 0, 2));
        EXPECT_TRUE(document.modified) << "a paste is a change the user must not lose";
        EXPECT_EQ(heard.runs.back(), (std::pair<std::uint32_t, std::uint32_t> { 2, 1 }));
        const auto pasted = document.fontLib.glyph(2);
        EXPECT_EQ(Bytes(pasted.begin(), pasted.end()), (Bytes { 0, 0, 0, 0x10 }));

        EXPECT_FALSE(document.ReadGlyph(image, 0, 0, 6));
        EXPECT_EQ(heard.runs.size(), 2u);
    }

    // What the pixel editor's picture shows against the glyph it came from.
    TEST(EditBufferState, UnwrittenWhileThePictureHoldsWhatItsGlyphDoesNot)
    {
        FontDocument document;
        putSixGlyphs(document);
        document.resetEditBuffer();
        EXPECT_FALSE(document.editGlyph.has_value());
        EXPECT_FALSE(document.editBufferUnwritten()) << "a blank picture from no glyph";
        document.editBuffer[5] = 1;
        EXPECT_TRUE(document.editBufferUnwritten()) << "ink drawn on the blank picture";

        ASSERT_TRUE(document.LoadEditBuffer(1));
        EXPECT_EQ(document.editGlyph, 1u);
        EXPECT_FALSE(document.editBufferUnwritten());
        document.editBuffer[0] ^= 1;
        EXPECT_TRUE(document.editBufferUnwritten());
        document.editBuffer[0] ^= 1;
        EXPECT_FALSE(document.editBufferUnwritten()) << "drawn back as it was";

        document.editBuffer[0] ^= 1;
        ASSERT_TRUE(document.StoreEditBuffer(4));
        EXPECT_EQ(document.editGlyph, 4u) << "written, the picture is glyph 4's";
        EXPECT_FALSE(document.editBufferUnwritten());

        ASSERT_TRUE(document.replaceGlyphs({ { run(4, 1, 0xff) } }).ok());
        EXPECT_TRUE(document.editBufferUnwritten()) << "its glyph changed underneath";
    }

    TEST(EditBufferState, TheChangeThatUpdateAppliesWritesThePicture)
    {
        FontDocument document;
        putSixGlyphs(document);
        ASSERT_TRUE(document.LoadEditBuffer(1));
        const GlyphChange change = document.editBufferChange(3);
        ASSERT_EQ(change.runs.size(), 1u);
        EXPECT_EQ(change.runs[0].first, 3u);
        EXPECT_EQ(change.runs[0].pixels, (Bytes { 0x10, 0x10, 0x12, 0x10 }));
        EXPECT_FALSE(change.runs[0].codes.has_value());
        EXPECT_TRUE(document.editBufferChange(6).empty());
        document.editBuffer.pop_back();
        EXPECT_TRUE(document.editBufferChange(3).empty());
    }

    TEST(FontBaseline, SetWithinTheCellMarksModifiedAndOutsideIsRefused)
    {
        FontDocument document;
        document.fontLib = FontLib::blank(8, 16, 1, true);
        EXPECT_TRUE(document.setBaseline(16).ok());
        EXPECT_EQ(document.fontLib.baseline, 16);
        EXPECT_TRUE(document.modified);
        document.modified = false;
        const Status refused = document.setBaseline(17);
        EXPECT_FALSE(refused.ok());
        EXPECT_NE(refused.message().find("0 to 16"), std::string::npos) << refused.message();
        EXPECT_EQ(document.fontLib.baseline, 16);
        EXPECT_FALSE(document.modified);
        EXPECT_FALSE(document.setBaseline(-1).ok());
        EXPECT_TRUE(document.setBaseline(std::nullopt).ok());
        EXPECT_FALSE(document.fontLib.baseline.has_value());
    }

} // namespace
} // namespace tessellon
