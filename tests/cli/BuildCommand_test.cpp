#include "CliRunner.h"
#include "FontBuilders.h"
#include "TempDir.h"
#include "cli/DrawingCommands.h"
#include "document/PixWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

namespace tessellon::cli {
namespace {

    namespace fs = std::filesystem;
    using test::CliRun;

    // The build command as the program's drawing part runs it: args after "build".
    CliRun runBuild(const std::vector<std::string>& args)
    {
        std::ostringstream out;
        std::ostringstream err;
        const int status = runBuildRecipe(args, { out, err });
        return { status, out.str(), err.str() };
    }

    const char* const recipeText = "# glyphs A to J, the program's characters, B drawn by hand\n"
                                   "font = source.pix\n"
                                   "chars-from = main.c\n"
                                   "overlay = edits.pix\n"
                                   "[output]\n"
                                   "file = out/ui.c\n"
                                   "[output]\n"
                                   "file = codes.c\n"
                                   "script = codes.spt\n";

    FontLib edits(bool dot)
    {
        std::vector<std::string> rows(8, "00000000");
        rows[3] = dot ? "00010000" : "00000000";
        rows[0] = "11111111";
        return test::fontFromRows({ rows }, { 0x42 });
    }

    // A project whose inputs were last changed an hour ago.
    void writeProject(const fs::path& folder)
    {
        const auto path = [&folder](const char* name) { return (folder / name).string(); };
        ASSERT_TRUE(writePixFile(path("source.pix"), test::numberedFont(8, 8, 10)).ok());
        ASSERT_TRUE(writePixFile(path("edits.pix"), edits(false)).ok());
        test::writeText(path("main.c"), "int main(void) { puts(\"CAB\"); }\n");
        test::writeText(path("codes.spt"),
            "int i,c;\r\nfor(i=0;i<FONT_NUMBER;i++)\r\n{\r\n  c=GETUNICODE(i);\r\n  "
            "WRITE(\"0x%04x,\\n\",c);\r\n}");
        test::writeText(path("ui.tfont"), recipeText);
        for (const char* name : { "source.pix", "edits.pix", "main.c", "codes.spt", "ui.tfont" }) {
            fs::last_write_time(
                path(name), fs::file_time_type::clock::now() - std::chrono::hours(1));
        }
    }

    struct Project {
        Project() { writeProject(dir.root()); }
        std::string path(const std::string& name) const { return dir.path(name); }
        CliRun build(std::vector<std::string> options = {}) const
        {
            options.insert(options.begin(), path("ui.tfont"));
            return runBuild(options);
        }
        test::TempDir dir;
    };

    TEST(CliBuild, OutputsAreTheSameBytesOnEveryRunAndInEveryFolder)
    {
        Project first;
        const CliRun run = first.build();
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const std::string ui = test::readText(first.path("out/ui.c"));
        const std::string codes = test::readText(first.path("codes.c"));
        EXPECT_EQ(ui.rfind("/* out/ui.c: made by tessellon-cli ", 0), 0u) << ui;
        EXPECT_NE(ui.find(" */\r\n#include \"fontlib.h\"\r\nconst unsigned char uc2_0041[] = {"),
            std::string::npos);
        EXPECT_EQ(codes.substr(codes.find(" */")), " */\r\n0x0041,\r\n0x0042,\r\n0x0043,\r\n");
        // A as the font has it, B as the overlay draws it.
        EXPECT_NE(
            ui.find("uc2_0041[] = {0x80,0x00,0x00,0x00,0x00,0x00,0x00,0x80,};"), std::string::npos);
        EXPECT_NE(
            ui.find("uc2_0042[] = {0xff,0x00,0x00,0x00,0x00,0x00,0x00,0x00,};"), std::string::npos);
        EXPECT_EQ(run.out,
            first.path("out/ui.c") + ": " + std::to_string(ui.size()) + " bytes\n"
                + first.path("codes.c") + ": " + std::to_string(codes.size()) + " bytes\n");

        ASSERT_EQ(first.build().status, 0);
        EXPECT_EQ(test::readText(first.path("out/ui.c")), ui);
        Project second;
        ASSERT_EQ(second.build().status, 0);
        EXPECT_EQ(test::readText(second.path("out/ui.c")), ui);
        EXPECT_EQ(test::readText(second.path("codes.c")), codes);
    }

    // What --check says after a build and one change.
    TEST(CliBuild, CheckNamesEachOutputThatIsOutOfDateWithoutDrawing)
    {
        const struct {
            const char* change;
            std::function<void(const Project&)> make;
            int status;
            std::vector<std::string> stale; // "NAME: reason"
        } cases[] = {
            { "nothing", [](const Project&) {}, 0, {} },
            { "the font touched",
                [](const Project& p) {
                    fs::last_write_time(p.path("source.pix"), fs::file_time_type::clock::now());
                },
                0, {} },
            { "a glyph of the overlay",
                [](const Project& p) {
                    ASSERT_TRUE(writePixFile(p.path("edits.pix"), edits(true)).ok());
                },
                1, { "out/ui.c: edits.pix changed", "codes.c: edits.pix changed" } },
            { "the script of one output",
                [](const Project& p) { test::writeText(p.path("codes.spt"), "WRITE(\"x\");"); }, 1,
                { "codes.c: codes.spt changed" } },
            { "an output edited",
                [](const Project& p) { test::writeText(p.path("out/ui.c"), "int edited;"); }, 1,
                { "out/ui.c: it was changed after it was made" } },
            { "an output removed", [](const Project& p) { fs::remove(p.path("codes.c")); }, 1,
                { "codes.c: it is missing" } },
            { "a stamp of another version",
                [](const Project& p) {
                    std::string stamp = test::readText(p.path(".ui.tfont.stamp"));
                    const auto tool = stamp.find("\ntool ") + 6;
                    stamp.replace(tool, stamp.find('\n', tool) - tool, "0.9");
                    test::writeText(p.path(".ui.tfont.stamp"), stamp);
                },
                1,
                { "out/ui.c: it was made by tessellon-cli 0.9",
                    "codes.c: it was made by tessellon-cli 0.9" } },
            { "a source file added to the recipe",
                [](const Project& p) {
                    test::writeText(p.path("menu.c"), "puts(\"D\");");
                    test::writeText(p.path("ui.tfont"),
                        std::string(recipeText).replace(0, 0, "chars-from = menu.c\n"));
                },
                1, { "out/ui.c: ui.tfont changed", "codes.c: ui.tfont changed" } },
            { "a damaged stamp, as none",
                [](const Project& p) { test::writeText(p.path(".ui.tfont.stamp"), "tessellon"); },
                0, {} },
            { "no stamp", [](const Project& p) { fs::remove(p.path(".ui.tfont.stamp")); }, 0, {} },
            { "no stamp and an output edited",
                [](const Project& p) {
                    fs::remove(p.path(".ui.tfont.stamp"));
                    test::writeText(p.path("codes.c"), "0x0041,\n");
                },
                1, { "codes.c: it differs from what the recipe makes" } },
        };
        for (const auto& c : cases) {
            Project project;
            ASSERT_EQ(project.build().status, 0);
            c.make(project);
            const CliRun run = project.build({ "--check" });
            EXPECT_EQ(run.status, c.status) << c.change << run.err;
            std::string expected;
            for (const std::string& stale : c.stale) {
                const auto colon = stale.find(':');
                expected += project.path(stale.substr(0, colon)) + " is out of date"
                    + stale.substr(colon) + "\n";
            }
            EXPECT_EQ(run.out,
                c.stale.empty() ? project.path("ui.tfont") + ": 2 outputs up to date\n" : expected)
                << c.change;
        }
    }

    TEST(CliBuild, ListNamesTheInputsAndOutputsAndOutputDirMovesTheOutputs)
    {
        Project project;
        test::TempDir elsewhere;
        const CliRun list = project.build({ "--list", "--output-dir", elsewhere.root().string() });
        EXPECT_EQ(list.status, 0) << list.err;
        std::string expected;
        for (const char* input : { "ui.tfont", "source.pix", "main.c", "edits.pix", "codes.spt" }) {
            expected += "input " + project.path(input) + "\n";
        }
        EXPECT_EQ(list.out,
            expected + "output " + elsewhere.path("out/ui.c") + "\noutput "
                + elsewhere.path("codes.c") + "\n");
        ASSERT_EQ(project.build({ "--output-dir", elsewhere.root().string() }).status, 0);
        EXPECT_TRUE(fs::exists(elsewhere.path(".ui.tfont.stamp")));
        EXPECT_EQ(
            project.build({ "--check", "--output-dir", elsewhere.root().string() }).status, 0);
        EXPECT_FALSE(fs::exists(project.path("codes.c")));
    }

    // Nothing is written when the recipe or a script cannot be used.
    TEST(CliBuild, RecipesAndScriptsThatCannotBeUsedWriteNothing)
    {
        const struct {
            std::string recipe;
            std::string script;
            std::string message; // after "tessellon-cli build: "
        } cases[] = {
            { std::string(recipeText) + "colour = red\n", "", "ui.tfont:10: unknown key 'colour'" },
            { recipeText, "WRITE(", "codes.c: the script codes.spt does not compile\n  " },
        };
        for (const auto& c : cases) {
            Project project;
            test::writeText(project.path("ui.tfont"), c.recipe);
            test::writeText(project.path("codes.spt"), c.script);
            const CliRun run = project.build();
            EXPECT_EQ(run.status, 2);
            EXPECT_EQ(run.err.find("tessellon-cli build: "
                          + project.path(c.message.substr(0, c.message.find(':')))),
                0u)
                << run.err;
            EXPECT_NE(run.err.find(c.message.substr(c.message.find(':'))), std::string::npos)
                << run.err;
            EXPECT_FALSE(fs::exists(project.path("out/ui.c")));
            EXPECT_FALSE(fs::exists(project.path(".ui.tfont.stamp")));
        }
        EXPECT_EQ(runBuild({}).status, 2);
        EXPECT_EQ(runBuild({ "a.tfont", "--check", "--list" }).err,
            "tessellon-cli build: give either --check or --list\n"
            "Usage: tessellon-cli build RECIPE.tfont [--check | --list] [--output-dir DIR] "
            "[--strict]\n");
    }

} // namespace
} // namespace tessellon::cli
