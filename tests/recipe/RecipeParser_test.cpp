#include "recipe/RecipeParser.h"

#include "export/ExportTarget.h"
#include "recipe/NewFontRecipe.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tessellon {
namespace {

    namespace fs = std::filesystem;

    // A project folder with the files recipes name, and a data folder with a shipped set.
    class RecipeParserTest : public ::testing::Test {
    protected:
        void SetUp() override
        {
            for (const char* name : { "font.ttf", "old.bdf", "edits.pix", "main.c", "menu.c",
                     "codes.spt", "mine.txt" }) {
                m_project.write(name, { 1, 2, 3 });
            }
            fs::create_directories(m_project.root() / "sub");
            fs::create_directories(m_data.root() / "txt");
            test::writeText((m_data.root() / "txt" / "ascii.txt").string(), "ABC");
            fs::create_symlink(m_project.path("main.c"), m_project.path("link.c"));
            ASSERT_EQ(::mkfifo(m_project.path("fifo.c").c_str(), 0600), 0);
        }

        Result<Recipe> parse(const std::string& text) const
        {
            return parseRecipe(text, path(), { m_data.root(), {} });
        }

        std::string path() const { return m_project.path("ui.tfont"); }
        std::string absolute(const std::string& name) const
        {
            return (m_project.root() / name).lexically_normal().string();
        }

        test::TempDir m_project;
        test::TempDir m_data;
    };

    const std::string drawn = "font = font.ttf\nsize = 12\ncell = 8x14\nranges = 20-7E\n";
    const std::string output = "[output]\nfile = ui.c\n";

    TEST_F(RecipeParserTest, AFullRecipeGivesEveryValue)
    {
        const auto recipe = parse("\xEF\xBB\xBF"
                                  "# the status display\n"
                                  "font = font.ttf\r\n"
                                  "size = 12\n  cell = 8x14  \noffset = -1, 2\nbaseline = 11\n"
                                  "hinting = light\nbold = yes\nitalic = no\ncharset = ascii.txt\n"
                                  "ranges = 4E00-4E0F, 20-7E\nchars-from = main.c, menu.c\n"
                                  "chars-from = sub/../main.c\noverlay = edits.pix\nstrict = true\n"
                                  "\n[output]\nfile = ui.c\n[ output ]\nfile = sub/codes.c\n"
                                  "target = script\nscript = codes.spt\ncomment = hash\n");
        ASSERT_TRUE(recipe.ok()) << recipe.message();
        EXPECT_EQ(recipe->source, RecipeSource::OutlineFile);
        EXPECT_EQ(recipe->fontFile->path, m_project.path("font.ttf"));
        EXPECT_EQ(recipe->pixelSize, 12);
        EXPECT_EQ(recipe->cell, (GlyphSize { 8, 14 }));
        EXPECT_EQ(recipe->offset, (CellOffset { -1, 2 }));
        EXPECT_EQ(recipe->baseline, 11);
        EXPECT_EQ(recipe->hinting, HintingStyle::Light);
        EXPECT_TRUE(recipe->bold && recipe->strict && !recipe->italic);
        EXPECT_EQ(recipe->charSet->path, (m_data.root() / "txt" / "ascii.txt").string());
        EXPECT_EQ(recipe->ranges, "4E00-4E0F,20-7E");
        ASSERT_EQ(recipe->charsFrom.size(), 3u);
        EXPECT_EQ(recipe->charsFrom[1].written, "menu.c");
        EXPECT_EQ(recipe->charsFrom[2].line, 13);
        ASSERT_EQ(recipe->outputs.size(), 2u);
        EXPECT_EQ(recipe->outputs[0].target, "script");
        EXPECT_FALSE(recipe->outputs[0].script.has_value());
        EXPECT_EQ(recipe->outputs[0].comment, OutputComment::C);
        EXPECT_EQ(recipe->outputs[1].file.path, m_project.path("sub/codes.c"));
        EXPECT_EQ(recipe->outputs[1].script->written, "codes.spt");
        EXPECT_EQ(recipe->outputs[1].comment, OutputComment::Hash);
        EXPECT_EQ(stampPath(*recipe), m_project.path(".ui.tfont.stamp"));

        // Written back and read again, the recipe is the same.
        const std::string text = formatRecipe(*recipe);
        const auto again = parse(text);
        ASSERT_TRUE(again.ok()) << again.message() << "\n" << text;
        EXPECT_EQ(formatRecipe(*again), text);
        EXPECT_EQ(recipeInputs(*again), recipeInputs(*recipe));
    }

    // An output is made by a script or by one of export's targets, under the same name.
    TEST(OutputTargets, AreTheScriptAndEveryExportTarget)
    {
        std::vector<std::string> expected { defaultOutputTargetName };
        for (const ExportTarget& target : exportTargets()) {
            expected.emplace_back(target.name);
        }
        std::vector<std::string> listed;
        for (const OutputTargetInfo& target : outputTargets) {
            listed.emplace_back(target.name);
        }
        EXPECT_EQ(listed, expected);
    }

    // A font made by New, saved as a recipe and read back, is drawn as New drew it.
    TEST_F(RecipeParserTest, NewFontChoicesReadBackAsTheyWereMade)
    {
        const NewFontChoices cases[] = {
            { 8, 16, 0, -1, "DejaVu Sans Mono", 13, false, false, "ascii.txt", {},
                HintingStyle::System },
            { 16, 16, 2, 0, "Noto Sans CJK SC", 16, true, true, std::nullopt, "4E00-9FA5,20-7E",
                HintingStyle::Light },
        };
        for (const NewFontChoices& c : cases) {
            const auto recipe = parse(newFontRecipeText(c, path()));
            ASSERT_TRUE(recipe.ok()) << recipe.message();
            EXPECT_EQ(recipe->source, RecipeSource::Family);
            EXPECT_EQ(recipe->family, c.family);
            EXPECT_EQ(recipe->pixelSize, c.pixelSize);
            EXPECT_EQ(recipe->cell, (GlyphSize { c.glyphWidth, c.glyphHeight }));
            EXPECT_EQ(recipe->offset, (CellOffset { c.offsetX, c.offsetY }));
            EXPECT_EQ(std::pair(recipe->bold, recipe->italic), std::pair(c.bold, c.italic));
            EXPECT_EQ(recipe->hinting, c.hinting);
            if (c.charSetName) {
                ASSERT_TRUE(recipe->charSet);
                EXPECT_EQ(recipe->charSet->path, (m_data.root() / "txt" / "ascii.txt").string());
            } else {
                EXPECT_EQ(recipe->ranges, c.ranges);
            }
            ASSERT_EQ(recipe->outputs.size(), 1u);
            EXPECT_EQ(recipe->outputs[0].file.path, absolute("ui_font.c"));
            EXPECT_EQ(recipe->outputs[0].target, "script");
        }
    }

    TEST_F(RecipeParserTest, SourcesAndOutputFoldersAreTakenWhereTheyBelong)
    {
        const auto family
            = parse("family = DejaVu Sans\nsize = 9\ncell = 6x10\ncharset = mine.txt\n" + output);
        ASSERT_TRUE(family.ok()) << family.message();
        EXPECT_EQ(family->source, RecipeSource::Family);
        EXPECT_EQ(family->family, "DejaVu Sans");
        EXPECT_EQ(family->charSet->path, m_project.path("mine.txt"));

        const auto bitmap
            = parseRecipe("font = old.bdf\n" + output, path(), { m_data.root(), "/tmp/out" });
        ASSERT_TRUE(bitmap.ok()) << bitmap.message();
        EXPECT_EQ(bitmap->source, RecipeSource::BitmapFile);
        EXPECT_EQ(bitmap->outputs[0].file.path, "/tmp/out/ui.c");
        EXPECT_EQ(stampPath(*bitmap), "/tmp/out/.ui.tfont.stamp");
        EXPECT_EQ(recipeInputs(*bitmap),
            (std::vector<RecipeInput> {
                { "ui.tfont", path() }, { "old.bdf", m_project.path("old.bdf") } }));

        const auto warned
            = parse("font = font.ttf\nsize = 12\ncell = 8x14\nranges = 20-7E,41-41\n" + output);
        ASSERT_TRUE(warned.ok()) << warned.message();
        EXPECT_EQ(warned->warnings,
            (std::vector<std::string> {
                path() + ":4: the range 41-41 gives no code (TO must be greater than FROM)" }));
    }

    TEST_F(RecipeParserTest, RecipesThatCannotBeUsedAreRefusedWithTheirLine)
    {
        const struct {
            std::string text;
            std::string message; // after "PATH"
        } cases[] = {
            { "colour = red\n", ":1: unknown key 'colour'" },
            { drawn + output + "size = 9\n", ":7: size belongs before the first [output]" },
            { "file = ui.c\n", ":1: file belongs in an [output] section" },
            { "[outputs]\n", ":1: unknown section '[outputs]'; the only section is [output]" },
            { "font font.ttf\n", ":1: expected key = value, not 'font font.ttf'" },
            { "size =\n", ":1: size needs a value" },
            { "size = 9\nsize = 10\n", ":2: size is given twice (first on line 1)" },
            { "size = big\n", ":1: size must be a whole number from 1 to 1024, not 'big'" },
            { "size = 1025\n", ":1: size must be a whole number from 1 to 1024, not '1025'" },
            { "cell = 8\n", ":1: cell must be WIDTHxHEIGHT, each from 1 to 256, not '8'" },
            { "cell = 0x8\n", ":1: cell must be WIDTHxHEIGHT, each from 1 to 256, not '0x8'" },
            { "offset = 1\n",
                ":1: offset must be X,Y (two whole numbers from -32768 to 32767), not '1'" },
            { "hinting = full\n",
                ":1: hinting must be one of system, auto, light, none, not 'full'" },
            { "bold = maybe\n", ":1: bold must be yes or no, not 'maybe'" },
            { "strict = 1\n", ":1: strict must be yes or no, not '1'" },
            { "ranges = 30-3G\n",
                ":1: a range must be FROM-TO in hexadecimal (1 to 4 digits each), not '30-3G'" },
            { "ranges = " + std::string(17 * 8, ' ')
                    + "0-FFFF,0-FFFF,0-FFFF,0-FFFF,0-FFFF,0-FFFF,0-FFFF,0-FFFF,0-FFFF,0-FFFF,0-"
                      "FFFF,0-FFFF,0-FFFF,0-FFFF,0-FFFF,0-FFFF,0-FFFF\n",
                ":1: the ranges give 1114112 characters, more than the 1048576 a font may hold" },
            { "font = none.ttf\n",
                ":1: the font file none.ttf cannot be used: it is missing (" + absolute("none.ttf")
                    + ")" },
            { "font = sub\n",
                ":1: the font file sub cannot be used: it is a folder (" + absolute("sub") + ")" },
            { "chars-from = main.c, gone.c\n",
                ":1: the source file gone.c cannot be used: it is missing (" + absolute("gone.c")
                    + ")" },
            { "chars-from = fifo.c\n",
                ":1: the source file fifo.c cannot be used: it is not a regular file ("
                    + absolute("fifo.c") + ")" },
            { "chars-from = main.c,,menu.c\n",
                ":1: chars-from lists files separated by commas, not 'main.c,,menu.c'" },
            { "charset = none.txt\n",
                ":1: the character set none.txt cannot be used: it is missing (neither in "
                    + m_project.root().string() + " nor among the shipped sets)" },
            { "font = sheet.png\n",
                ":1: a picture sheet cannot be a recipe's font: convert 'sheet.png' to .pix "
                "first" },
            { "overlay = mine.txt\n",
                ":1: the overlay must be a font file (.pix, .bdf, .hex), not 'mine.txt'" },
            { "font = font.ttf\nfamily = Sans\n", ":2: give either font or family, not both" },
            { "size = 12\n", ": no font: give font = FILE or family = NAME" },
            { "font = font.ttf\ncell = 8x8\n",
                ": size is needed to draw the font (its height in pixels)" },
            { "family = Sans\nsize = 8\n", ": cell is needed to draw the font (WIDTHxHEIGHT)" },
            { "family = Sans\nsize = 8\ncell = 8x8\n" + output,
                ": no characters: give charset, ranges or chars-from" },
            { "font = old.bdf\nsize = 12\n" + output,
                ":2: size applies to outline fonts, not to the bitmap font old.bdf" },
            { drawn + "baseline = 15\n" + output,
                ":5: baseline must be from 0 to 14 (the cell's height), not 15" },
            { drawn, ": no output: add an [output] section with file = NAME" },
            { drawn + "[output]\nscript = default\n" + output, ":5: the [output] has no file" },
            { drawn + output + "target = glcd\n",
                ":7: unknown target 'glcd' (targets: script, gfx, u8g2, lvgl, pages, rows, "
                "tessellon, compact)" },
            { drawn + output + "target = gfx\ndecoder = yes\n",
                ":8: the gfx target takes no option decoder" },
            { drawn + output + "target = compact\ndecoder = maybe\n",
                ":8: decoder must be yes or no, not 'maybe'" },
            { drawn + output + "proportional = yes\n",
                ":7: the script target takes no option proportional" },
            { drawn + output + "name = 1font\n", ":7: name must be a C identifier, not '1font'" },
            { drawn + output + "comment = slashes\n",
                ":7: comment must be c, hash or none, not 'slashes'" },
            { drawn + output + "script = none.spt\n",
                ":7: the script none.spt cannot be used: it is missing (" + absolute("none.spt")
                    + ")" },
            { drawn + "[output]\nfile = font.ttf\n",
                ":6: the output font.ttf is the input font.ttf; give another name" },
            { drawn + "[output]\nfile = ./ui.tfont\n",
                ":6: the output ./ui.tfont is the input ui.tfont; give another name" },
            { drawn + "chars-from = main.c\n[output]\nfile = link.c\n",
                ":7: the output link.c is the input main.c; give another name" },
            { drawn + output
                    + "[output]\nfile = codes.c\nscript = codes.spt\n[output]\nfile = codes.spt\n",
                ":11: the output codes.spt is the input codes.spt; give another name" },
            { drawn + "[output]\nfile = .ui.tfont.stamp\n",
                ":6: the output .ui.tfont.stamp is where the recipe's stamp is kept; give another "
                "name" },
            { drawn + output + "[output]\nfile = sub/../ui.c\n",
                ":8: the output sub/../ui.c is also the output of line 6" },
            { "font = font.ttf\nsize = 1\x01\n",
                ":2: a control character; a recipe holds text only" },
            { "font = font.ttf\n\nsize = 1\xFF\n",
                ":3: the byte 0xFF, which is not UTF-8; a recipe is UTF-8 text" },
            { std::string("size = 1\0\n", 10), ":1: a NUL byte; a recipe is UTF-8 text" },
        };
        for (const auto& c : cases) {
            const auto recipe = parse(c.text);
            EXPECT_EQ(recipe.message(), path() + c.message) << c.text;
        }
    }

    TEST_F(RecipeParserTest, RecipeFilesAreReadOnlyWhenTheyAreSmallRegularFiles)
    {
        test::writeText(path(), drawn + output);
        EXPECT_TRUE(readRecipeFile(path(), { m_data.root(), {} }).ok());
        EXPECT_EQ(readRecipeFile(m_project.path("none.tfont"), {}).message(),
            "Cannot open file " + m_project.path("none.tfont") + ": No such file or directory");
        test::writeText(path(), std::string(maxRecipeBytes + 1, '#'));
        EXPECT_EQ(readRecipeFile(path(), {}).message(),
            "Cannot open file " + path() + ": it is larger than 1 MB, the most a recipe may hold");
    }

} // namespace
} // namespace tessellon
