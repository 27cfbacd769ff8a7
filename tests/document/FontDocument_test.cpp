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
        FontLib font = FontLib::blank(12, 2, 6, true);
        for (std::size_t i = 0; i < font.pixelData.size(); ++i) {
            font.pixelData[i] = static_cast<std::uint8_t>((i / 4) * 16 + i % 4);
        }
        for (std::uint16_t i = 0; i < 6; ++i) {
            (*font.codeTable)[i] = static_cast<std::uint16_t>(0x41 + i);
        }
        document.takeFont(std::move(font));
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
        const FontLib original = document.fontLib();
        const GlyphChange& change = GetParam().change;

        Result<GlyphChange> undo = document.replaceGlyphs(change);
        ASSERT_TRUE(undo.ok()) << undo.message();
        const GlyphRun& last = change.runs.back();
        EXPECT_EQ(
            copyGlyphs(document.fontLib(), last.first, last.count, false).pixels, last.pixels);
        EXPECT_NE(document.fontLib().pixelData, original.pixelData);

        const Result<GlyphChange> redo = document.replaceGlyphs(*undo);
        ASSERT_TRUE(redo.ok()) << redo.message();
        EXPECT_EQ(document.fontLib().pixelData, original.pixelData);
        EXPECT_EQ(document.fontLib().codeTable, original.codeTable);

        ASSERT_TRUE(document.replaceGlyphs(*redo).ok());
        FontDocument again;
        putSixGlyphs(again);
        ASSERT_TRUE(again.replaceGlyphs(change).ok());
        EXPECT_EQ(document.fontLib().pixelData, again.fontLib().pixelData)
            << "redo repeats the change";
        EXPECT_EQ(document.fontLib().codeTable, again.fontLib().codeTable);
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
        EXPECT_EQ((*document.fontLib().codeTable)[1], 0x42);
        ASSERT_EQ(undo->runs.size(), 1u);
        EXPECT_FALSE(undo->runs[0].codes.has_value());
        EXPECT_EQ(undo->runs[0].pixels, (Bytes { 0x10, 0x11, 0x12, 0x13, 0x20, 0x21, 0x22, 0x23 }));

        const Result<GlyphChange> withCodes
            = document.replaceGlyphs({ { run(3, 1, 0, Codes { 0x4E2D }) } });
        ASSERT_TRUE(withCodes.ok());
        EXPECT_EQ((*document.fontLib().codeTable)[3], 0x4E2D);
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
            const FontLib before = document.fontLib();
            const Result<GlyphChange> result = document.replaceGlyphs(c.change);
            EXPECT_FALSE(result.ok()) << c.what;
            EXPECT_FALSE(result.message().empty()) << c.what;
            EXPECT_EQ(document.fontLib().pixelData, before.pixelData) << c.what;
            EXPECT_EQ(document.fontLib().codeTable, before.codeTable) << c.what;
            EXPECT_TRUE(heard.runs.empty()) << c.what;
        }
    }

    TEST(GlyphDoorRefusal, CodesForAFontWithoutACodeTableAreRefused)
    {
        FontDocument document;
        document.takeFont(FontLib::blank(12, 2, 6, false));
        const Result<GlyphChange> result
            = document.replaceGlyphs({ { run(0, 1, 0, Codes { 1 }) } });
        EXPECT_FALSE(result.ok());
        EXPECT_NE(result.message().find("no code table"), std::string::npos) << result.message();
        EXPECT_FALSE(document.fontLib().codeTable.has_value());
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

        ASSERT_TRUE(document.replaceGlyphs({}).ok());
        EXPECT_EQ(second.runs.size(), 3u) << "an empty change changes nothing";
    }

    TEST(FontBaseline, SetWithinTheCellAndRefusedOutside)
    {
        FontDocument document;
        document.takeFont(FontLib::blank(8, 16, 1, true));
        EXPECT_TRUE(document.setBaseline(16).ok());
        EXPECT_EQ(document.fontLib().baseline, 16);
        const Status refused = document.setBaseline(17);
        EXPECT_FALSE(refused.ok());
        EXPECT_NE(refused.message().find("0 to 16"), std::string::npos) << refused.message();
        EXPECT_EQ(document.fontLib().baseline, 16);
        EXPECT_FALSE(document.setBaseline(-1).ok());
        EXPECT_TRUE(document.setBaseline(std::nullopt).ok());
        EXPECT_FALSE(document.fontLib().baseline.has_value());
    }

    TEST(FontDocumentState, StartsAsAChildWindowBeforeAnyFont)
    {
        FontDocument document;
        EXPECT_TRUE(document.fileName.empty());
        EXPECT_FALSE(document.fontReady);
        EXPECT_TRUE(document.fontLib().pixelData.empty());
        EXPECT_FALSE(document.fontLib().codeTable.has_value());
        EXPECT_EQ(document.fontLib().info, (FontLibInfo { 0, 0, 0, 16, 16 }));
    }

    TEST(FontDocumentState, AWrittenFontsHeaderSaysWhatItsFileDoes)
    {
        FontDocument document;
        FontLib font = FontLib::blank(8, 8, 1, false);
        font.info.reserved = 7;
        font.info.codeTableFlag = 1;
        document.takeFont(font);
        document.markWritten();
        EXPECT_EQ(document.fontLib().info.reserved, 0);
        EXPECT_EQ(document.fontLib().info.codeTableFlag, 0);
    }

    TEST(FontDocumentEditing, DrawGlyphTakesTheBackgroundWhiteUnlessGiven)
    {
        FontDocument document;
        FontLib font = FontLib::blank(2, 1, 1, false);
        font.setPixel(0, 1, 0);
        document.takeFont(std::move(font));
        MemoryImage image(2, 1, Rgb { 9, 9, 9 });
        ASSERT_TRUE(document.DrawGlyph(image, 0, 0, 0, yellow));
        EXPECT_EQ(image.pixel(0, 0), yellow);
        EXPECT_EQ(image.pixel(1, 0), black);
        ASSERT_TRUE(document.DrawGlyph(image, 0, 0, 0));
        EXPECT_EQ(image.pixel(0, 0), white) << "drawing keeps no colour from an earlier call";
    }

} // namespace
} // namespace tessellon
