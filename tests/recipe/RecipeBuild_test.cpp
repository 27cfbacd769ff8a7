#include "recipe/BuildStamp.h"
#include "recipe/OutputHeader.h"
#include "recipe/RecipeBuild.h"
#include "recipe/RecipeFont.h"
#include "recipe/RecipeParser.h"

#include "FontBuilders.h"
#include "TempDir.h"
#include "document/PixWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace tessellon {
namespace {

    namespace fs = std::filesystem;

    Sha256Digest digestOf(const char* text) { return sha256(std::string_view(text)); }

    TEST(BuildStamp, TextReadsBackAndDamagedTextIsNoStamp)
    {
        const BuildStamp stamp { "1.4.0",
            { { false, 12, 1700000000123456789, digestOf("a"), "fonts/my font.ttf" },
                { true, 3, 0, digestOf("b"), "/usr/share/fonts/x.ttf" } },
            { { digestOf("c"), "out/ui.c" } } };
        const std::string text = formatStamp(stamp);
        EXPECT_EQ(parseStamp(text), stamp);
        const std::string hex = toHex(digestOf("a"));
        for (const std::string& damaged :
            std::vector<std::string> { "", text.substr(0, text.size() - 1),
                "tessellon build stamp 2\ntool 1\n", "tessellon build stamp 1\n",
                "tessellon build stamp 1\ntool 1\ninput 1 2 " + hex + "\n",
                "tessellon build stamp 1\ntool 1\ninput -1 2 " + hex + " a\n",
                "tessellon build stamp 1\ntool 1\ninput 1 2 " + hex.substr(1) + " a\n",
                "tessellon build stamp 1\ntool 1\noutput " + hex + "\n",
                "tessellon build stamp 1\ntool 1\nother " + hex + " a\n" }) {
            EXPECT_FALSE(parseStamp(damaged).has_value()) << damaged;
        }
    }

    // An input whose size and time are those recorded keeps the recorded digest (it is not
    // read); any other is hashed, and one changed a moment ago gets no time, so that it is
    // hashed again next time.
    TEST(BuildStamp, InputsAreHashedOnlyWhenTheirSizeOrTimeChanged)
    {
        test::TempDir folder;
        const std::string path = folder.write("font.ttf", { 1, 2, 3 });
        const auto fresh = stampInput("font.ttf", path, nullptr);
        ASSERT_TRUE(fresh.ok()) << fresh.message();
        EXPECT_EQ(fresh->digest, sha256(std::vector<std::uint8_t> { 1, 2, 3 }));
        EXPECT_EQ(fresh->modified, 0);

        const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
        fs::last_write_time(path, old);
        const auto settled = stampInput("font.ttf", path, nullptr);
        ASSERT_TRUE(settled.ok());
        EXPECT_NE(settled->modified, 0);

        StampedInput recorded = *settled;
        recorded.digest = digestOf("not the file's");
        EXPECT_EQ(stampInput("font.ttf", path, &recorded)->digest, recorded.digest);
        fs::last_write_time(path, old + std::chrono::seconds(1));
        EXPECT_EQ(stampInput("font.ttf", path, &recorded)->digest, settled->digest);
        recorded.modified = 0;
        fs::last_write_time(path, old);
        EXPECT_EQ(stampInput("font.ttf", path, &recorded)->digest, settled->digest);
        EXPECT_EQ(stampInput("gone", folder.path("gone"), nullptr).message(),
            "Cannot open file " + folder.path("gone") + ": No such file or directory");
    }

    // A bitmap font of glyphs A to J, hand edits of B and Y, and a program that prints "ABZ".
    class RecipeFontTest : public ::testing::Test {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(
                writePixFile(m_folder.path("source.pix"), test::numberedFont(8, 8, 10)).ok());
            m_edits = test::fontFromRows({ std::vector<std::string>(8, "11111111"),
                                             std::vector<std::string>(8, "10000001") },
                { 0x42, 0x59 });
            ASSERT_TRUE(writePixFile(m_folder.path("edits.pix"), m_edits).ok());
            test::writeText(m_folder.path("main.c"), "puts(\"ABZ\\U0001F600\");");
        }

        Result<Recipe> recipe(const std::string& keys) const
        {
            return parseRecipe("font = source.pix\n" + keys + "[output]\nfile = ui.c\n",
                m_folder.path("ui.tfont"), {});
        }

        test::TempDir m_folder;
        FontLib m_edits;
    };

    TEST_F(RecipeFontTest, CharactersAreTakenFromTheFontAndTheEditsLaidOver)
    {
        const auto parsed = recipe("chars-from = main.c\nranges = 40-42\noverlay = edits.pix\n");
        ASSERT_TRUE(parsed.ok()) << parsed.message();
        const auto characters = recipeCharacters(*parsed);
        ASSERT_TRUE(characters.ok()) << characters.message();
        EXPECT_EQ(characters->codes, (std::vector<std::uint16_t> { 0x40, 0x41, 0x42, 0x5A }));
        EXPECT_EQ(characters->beyond16Bits, std::vector<char32_t> { 0x1F600 });
        ReadNotes notes;
        auto picked = readBitmapSource(*parsed, *characters, notes);
        ASSERT_TRUE(picked.ok()) << picked.message();
        EXPECT_EQ(missingCharactersText(picked->missing),
            "2 characters not in source.pix: U+0040 U+005A");
        const FontLib source = test::numberedFont(8, 8, 10);
        FontLib& font = picked->font;
        EXPECT_EQ(*font.codeTable, characters->codes);
        EXPECT_TRUE(std::ranges::equal(font.glyph(1), source.glyph(0)));
        EXPECT_TRUE(std::ranges::all_of(font.glyph(3), [](std::uint8_t b) { return b == 0; }));

        const auto overlaid = applyRecipeOverlay(font, *parsed);
        ASSERT_TRUE(overlaid.ok()) << overlaid.message();
        EXPECT_EQ(overlaid->replaced, 1u);
        EXPECT_EQ(overlaid->unused, std::vector<char32_t> { 0x59 });
        EXPECT_TRUE(std::ranges::equal(font.glyph(2), m_edits.glyph(0)));
        EXPECT_TRUE(std::ranges::equal(font.glyph(1), source.glyph(0)));
    }

    TEST_F(RecipeFontTest, CharacterSetsAloneAreTakenAsTheyAreAndNoneTakesEveryGlyph)
    {
        test::writeText(m_folder.path("set.txt"), "BAB");
        const auto alone = recipeCharacters(*recipe("charset = set.txt\n"));
        EXPECT_EQ(alone->charSetFile, m_folder.path("set.txt"));
        EXPECT_EQ(alone->codes, (std::vector<std::uint16_t> { 0x42, 0x41, 0x42 }));
        const auto mixed = recipeCharacters(*recipe("charset = set.txt\nranges = 41-43\n"));
        EXPECT_FALSE(mixed->charSetFile.has_value());
        EXPECT_EQ(mixed->codes, (std::vector<std::uint16_t> { 0x42, 0x41, 0x43 }));
        const auto all = recipeCharacters(*recipe(""));
        EXPECT_TRUE(all->all);
        ReadNotes notes;
        EXPECT_EQ(readBitmapSource(*recipe(""), *all, notes)->font.info.glyphCount, 10u);
    }

    TEST_F(RecipeFontTest, OverlaysThatDoNotFitAreRefused)
    {
        FontLib font = test::numberedFont(8, 8, 3);
        EXPECT_EQ(applyOverlay(font, test::numberedFont(8, 9, 1), "e.pix").message(),
            "The overlay e.pix has glyphs of 8x9, the font of 8x8");
        EXPECT_EQ(applyOverlay(font, test::numberedFont(8, 8, 1, false), "e.pix").message(),
            "The overlay e.pix has no code table to match its glyphs by");
        EXPECT_EQ(pickGlyphs(test::numberedFont(8, 8, 1, false), "s.pix",
                      std::vector<std::uint16_t> { 0x41 })
                      .message(),
            "s.pix has no code table to find characters in");
    }

    TEST_F(RecipeFontTest, HeadersNameTheToolTheKeysAndEveryInputInEachCommentStyle)
    {
        fs::create_directories(m_folder.root() / "we*");
        test::writeText(m_folder.path("we*/ird.c"), "");
        const auto parsed = recipe("chars-from = we*/ird.c\n");
        ASSERT_TRUE(parsed.ok()) << parsed.message();
        RecipeOutput output = parsed->outputs[0];
        const std::vector<HashedInput> inputs { { "ui.tfont", digestOf("r") },
            { "we*/ird.c", digestOf("w") } };
        const std::string c = outputHeader(*parsed, output, inputs, "1.4.0");
        EXPECT_EQ(c.substr(0, c.find('\n')),
            "/* ui.c: made by tessellon-cli 1.4.0 from the recipe ui.tfont.");
        EXPECT_NE(c.find("\n * chars-from = we* /ird.c\n"), std::string::npos) << c;
        EXPECT_NE(c.find("\n * " + toHex(digestOf("w")) + "  we* /ird.c\n */\n"), std::string::npos)
            << c;
        EXPECT_EQ(c.find("*/"), c.size() - 3);
        output.comment = OutputComment::Hash;
        const std::string hash = outputHeader(*parsed, output, inputs, "1.4.0");
        EXPECT_EQ(hash.substr(0, hash.find('\n')),
            "# ui.c: made by tessellon-cli 1.4.0 from the recipe ui.tfont.");
        EXPECT_NE(hash.find("\n# chars-from = we*/ird.c\n# strict = no\n#\n# [output]\n"),
            std::string::npos)
            << hash;
        output.comment = OutputComment::None;
        EXPECT_EQ(outputHeader(*parsed, output, inputs, "1.4.0"), "");
    }

    TEST_F(RecipeFontTest, OutputsKeepTheirOrderAndAFolderInTheWayWritesNothing)
    {
        const auto parsed = parseRecipe("font = source.pix\n[output]\nfile = a.c\n"
                                        "[output]\nfile = b.c\n[output]\nfile = c.c\n",
            m_folder.path("ui.tfont"), {});
        ASSERT_TRUE(parsed.ok()) << parsed.message();
        std::vector<std::string> notes;
        const auto made
            = makeRecipeOutputs(*parsed, test::numberedFont(8, 8, 10), {}, "1.4.0", notes);
        ASSERT_TRUE(made.ok()) << made.message();
        ASSERT_EQ(made->size(), 3u);
        for (std::size_t i = 0; i < made->size(); ++i) {
            const MadeOutput& output = (*made)[i];
            EXPECT_EQ(output.output, &parsed->outputs[i]);
            const std::string name = "/* " + parsed->outputs[i].file.written + ": made by";
            EXPECT_TRUE(std::equal(name.begin(), name.end(), output.bytes.begin())) << name;
            EXPECT_EQ(output.digest, sha256(output.bytes));
        }
        fs::create_directories(m_folder.path("b.c"));
        const Status refused = writeRecipeOutputs(*parsed, *made, {}, "1.4.0");
        EXPECT_NE(refused.message().find("b.c"), std::string::npos) << refused.message();
        EXPECT_FALSE(fs::exists(m_folder.path("a.c")) || fs::exists(m_folder.path("c.c")));
        EXPECT_FALSE(fs::exists(stampPath(*parsed)));
        fs::remove(m_folder.path("b.c"));
        ASSERT_TRUE(writeRecipeOutputs(*parsed, *made, {}, "1.4.0").ok());
        EXPECT_TRUE(compareRecipeOutputs(*made).empty());
        EXPECT_TRUE(fs::exists(stampPath(*parsed)));
    }

} // namespace
} // namespace tessellon
