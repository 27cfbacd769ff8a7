#include "CliRunner.h"
#include "cli/CliCommand.h"
#include "document/PixWriter.h"

#include "ExportFonts.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace tessellon::cli {
namespace {

    using test::CliRun;
    using test::runCommandLine;

    // A folder with the two-glyph font as font.pix.
    struct Fixture {
        Fixture() { EXPECT_TRUE(writePixFile(font(), test::twoGlyphFont()).ok()); }
        std::string font() const { return dir.path("font.pix"); }
        std::string path(const std::string& name) const { return dir.path(name); }
        test::TempDir dir;
    };

    const std::string ranLines = "Compiling...\nNo error\nRun...\nOK\n";

    TEST(CliExport, DefaultScriptWritesTheSevenLines)
    {
        Fixture f;
        const CliRun run = runCommandLine({ "export", f.font(), "-o", f.path("font.c") });
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, ranLines);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(test::readText(f.path("font.c")), test::twoGlyphDefaultOutput);
        // The command line keeps no script of its own.
        EXPECT_FALSE(std::filesystem::exists(f.path("tessellon.spt")));
    }

    TEST(CliExport, ScriptFileLineEndsAreReadAsTheEditorWould)
    {
        Fixture f;
        // LF, CR and CR LF line ends, and a line end at the very end: the script sees CR LF.
        test::writeText(f.path("s.spt"), "int i;\ni=0;\rWRITE(\"a\r\nb\");\r\n");
        const CliRun run
            = runCommandLine({ "export", f.font(), "-s", f.path("s.spt"), "-o", f.path("out") });
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(test::readText(f.path("out")), "a\r\nb");
    }

    TEST(CliExport, CompileErrorExitsOneWithTheErrorLine)
    {
        Fixture f;
        test::writeText(f.path("bad.spt"), "int i;\n\ni = 3 $ 4;\n");
        const CliRun run = runCommandLine(
            { "export", f.font(), "-o", f.path("out.c"), "-s", f.path("bad.spt") });
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "Compiling...\nLine 3: [E14] Unknow symple \"$\"\n");
        ASSERT_TRUE(std::filesystem::exists(f.path("out.c")));
        EXPECT_EQ(std::filesystem::file_size(f.path("out.c")), 0u);
    }

    TEST(CliExport, RunErrorsStillExitZero)
    {
        Fixture f;
        test::writeText(f.path("div.spt"), "int x;\nx = 5 / 0;\nWRITE(\"done\");");
        const CliRun run = runCommandLine(
            { "export", f.font(), "-o", f.path("out.c"), "-s", f.path("div.spt") });
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out,
            "Compiling...\nNo error\nRun...\nrun error: divided by 0\nrun error: divided by "
            "0\nOK\n");
        EXPECT_EQ(test::readText(f.path("out.c")), "done");
    }

    TEST(CliExport, UnreadableFontGivesTheInfoMessage)
    {
        Fixture f;
        test::writeText(f.path("text.pix"), "hello");
        const CliRun run = runCommandLine({ "export", f.path("text.pix"), "-o", f.path("out.c") });
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "This is not an font pixel file!\n");
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(std::filesystem::exists(f.path("out.c")));

        const CliRun missing
            = runCommandLine({ "export", f.path("missing.pix"), "-o", f.path("out.c") });
        EXPECT_EQ(missing.status, 2);
        EXPECT_EQ(missing.err, runCommandLine({ "info", f.path("missing.pix") }).err);
    }

    TEST(CliExport, MissingScriptFileExitsTwo)
    {
        Fixture f;
        const CliRun run = runCommandLine(
            { "export", f.font(), "-o", f.path("out.c"), "-s", f.path("none.spt") });
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "Cannot open file " + f.path("none.spt") + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(std::filesystem::exists(f.path("out.c")));
    }

    TEST(CliExport, OutputThatCannotBeCreatedExitsTwoAndRunsNothing)
    {
        Fixture f;
        const std::string out = f.path("no/such/folder/out.c");
        const CliRun run = runCommandLine({ "export", f.font(), "-o", out });
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "Cannot create file " + out + "\n");
        EXPECT_EQ(run.out, "");
    }

    TEST(CliExport, FullDiskExitsTwoWithoutOk)
    {
        if (!std::filesystem::exists("/dev/full")) {
            GTEST_SKIP() << "no /dev/full here";
        }
        Fixture f;
        const CliRun run = runCommandLine({ "export", f.font(), "-o", "/dev/full" });
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "Cannot write file /dev/full\n");
        EXPECT_NE(run.out.find("run error"), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("OK"), std::string::npos) << run.out;
    }

    TEST(CliExport, MaxSecondsStopsAnEndlessScriptWithStatusThree)
    {
        Fixture f;
        test::writeText(f.path("endless.spt"), "int i;\nfor(i=0;0<1;i++) WRITE(\"x\");");
        const CliRun run = runCommandLine({ "export", f.font(), "-o", f.path("out.c"), "-s",
            f.path("endless.spt"), "--max-seconds", "0.2" });
        EXPECT_EQ(run.status, 3);
        EXPECT_EQ(run.out.rfind("Compiling...\nNo error\nRun...\nrun error", 0), 0u) << run.out;
        EXPECT_EQ(run.out.find("OK"), std::string::npos);
        EXPECT_GT(std::filesystem::file_size(f.path("out.c")), 0u);
    }

    TEST(CliExport, MaxSecondsDoesNotStopAShortRun)
    {
        Fixture f;
        for (const char* limit : { "30", "1e300" }) {
            const CliRun run = runCommandLine(
                { "export", f.font(), "-o", f.path("font.c"), "--max-seconds", limit });
            EXPECT_EQ(run.status, 0) << limit;
            EXPECT_EQ(test::readText(f.path("font.c")), test::twoGlyphDefaultOutput);
        }
    }

    TEST(CliExport, WrongArgumentsGiveUsageAndStatusTwo)
    {
        Fixture f;
        const std::vector<std::vector<std::string>> wrong {
            { "export" },
            { "export", f.font() },
            { "export", f.font(), "-o" },
            { "export", "-o", f.path("out.c") },
            { "export", f.font(), "-o", f.path("out.c"), "extra" },
            { "export", f.font(), "-o", f.path("out.c"), "--max-seconds", "0" },
            { "export", f.font(), "-o", f.path("out.c"), "--max-seconds", "soon" },
            { "export", f.font(), "-o", f.path("out.c"), "--max-seconds", "nan" },
            { "export", f.font(), "-o", f.path("out.c"), "--max-seconds", "-1" },
            { "export", f.font(), "-o", f.path("out.c"), "--frobnicate" },
        };
        for (const auto& args : wrong) {
            const CliRun run = runCommandLine(args);
            EXPECT_EQ(run.status, 2) << args.size();
            EXPECT_NE(run.err.find("Usage: tessellon-cli export"), std::string::npos) << run.err;
            EXPECT_EQ(run.out, "");
        }
        EXPECT_FALSE(std::filesystem::exists(f.path("out.c")));
    }

    TEST(CliExport, HelpListsTheExportCommand)
    {
        const CliRun help = runCommandLine({ "--help" });
        EXPECT_NE(help.out.find("export FONT.pix -o OUT"), std::string::npos);
    }

} // namespace
} // namespace tessellon::cli
