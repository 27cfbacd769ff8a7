#include "CliRunner.h"
#include "cli/CliCommand.h"
#include "document/PixWriter.h"
#include "export/ScriptFile.h"
#include "script/PcodeMachine.h"

#include "ExportFonts.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include <sys/stat.h>

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
        EXPECT_EQ(run.err,
            "tessellon-cli export: " + f.path("text.pix") + ": This is not an font pixel file!\n");
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(std::filesystem::exists(f.path("out.c")));

        const CliRun missing
            = runCommandLine({ "export", f.path("missing.pix"), "-o", f.path("out.c") });
        EXPECT_EQ(missing.status, 2);
        EXPECT_EQ(
            missing.err.rfind("tessellon-cli export: Cannot open file " + f.path("missing.pix"), 0),
            0u)
            << missing.err;
    }

    TEST(CliExport, ScriptThatCannotBeReadExitsTwoAndSaysWhy)
    {
        Fixture f;
        const std::string fifo = f.path("fifo.spt");
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        const std::string huge = f.path("huge.spt");
        test::writeText(huge, std::string(maxScriptFileBytes + 1, ' '));
        const std::vector<std::pair<std::string, std::string>> cases {
            { f.path("none.spt"), "No such file or directory" },
            // Reading a FIFO would wait for a writer that never comes.
            { fifo, "it is not a regular file" },
            { huge, "it is larger than 16 MB, the most a script file may hold" },
        };
        for (const auto& [script, reason] : cases) {
            const CliRun run
                = runCommandLine({ "export", f.font(), "-o", f.path("out.c"), "-s", script });
            EXPECT_EQ(run.status, 2) << script;
            EXPECT_EQ(
                run.err, "tessellon-cli export: Cannot open file " + script + ": " + reason + "\n");
            EXPECT_EQ(run.out, "");
        }
        EXPECT_FALSE(std::filesystem::exists(f.path("out.c")));
    }

    TEST(CliExport, OutputThatCannotBeUsedExitsTwoAndRunsNothing)
    {
        Fixture f;
        const std::string missing = f.path("no/such/folder/out.c");
        const std::string fifo = f.path("fifo.c");
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        test::writeText(f.path("s.spt"), "WRITE(\"x\");");
        const std::string script = f.path("./s.spt");
        const std::vector<std::pair<std::vector<std::string>, std::string>> cases {
            { { "-o", missing }, missing + ": No such file or directory" },
            // Opening a FIFO for writing would wait for a reader.
            { { "-o", fifo }, fifo + ": it is a FIFO (named pipe)" },
            // Creating the output would empty the script.
            { { "-s", f.path("s.spt"), "-o", script },
                script + ": it is the same file as " + f.path("s.spt") },
        };
        for (const auto& [options, reason] : cases) {
            std::vector<std::string> args { "export", f.font() };
            args.insert(args.end(), options.begin(), options.end());
            const CliRun run = runCommandLine(args);
            EXPECT_EQ(run.status, 2) << reason;
            EXPECT_EQ(run.err, "tessellon-cli export: Cannot create file " + reason + "\n");
            EXPECT_EQ(run.out, "");
        }
        EXPECT_EQ(test::readText(f.path("s.spt")), "WRITE(\"x\");");
        EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    }

    TEST(CliExport, OutputThatIsTheFontUnderAnyNameIsRefused)
    {
        Fixture f;
        namespace fs = std::filesystem;
        const std::vector<std::uint8_t> before = test::readBytes(f.font());
        fs::create_hard_link(f.font(), f.path("hard.pix"));
        fs::create_symlink(f.font(), f.path("soft.pix"));
        for (const std::string& output :
            { f.font(), f.path("./font.pix"), f.path("hard.pix"), f.path("soft.pix") }) {
            const CliRun run = runCommandLine({ "export", f.font(), "-o", output });
            EXPECT_EQ(run.status, 2) << output;
            EXPECT_EQ(run.err,
                "tessellon-cli export: Cannot create file " + output + ": it is the same file as "
                    + f.font() + "\n");
            EXPECT_EQ(run.out, "");
        }
        const CliRun throughLink = runCommandLine({ "export", f.path("soft.pix"), "-o", f.font() });
        EXPECT_EQ(throughLink.status, 2);
        EXPECT_EQ(test::readBytes(f.font()), before);
    }

    TEST(CliExport, CharacterDeviceOutputIsWritten)
    {
        Fixture f;
        const CliRun run = runCommandLine({ "export", f.font(), "-o", "/dev/null" });
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, ranLines);
    }

    TEST(CliExport, FullStackEndsTheRunAtOnceAndExitsZero)
    {
        Fixture f;
        const std::string message = runErrorStackFull;
        for (const std::uint32_t glyphs : { 5u, 5000u }) {
            const std::string font = f.path(std::to_string(glyphs) + ".pix");
            ASSERT_TRUE(writePixFile(font, FontLib::blank(8, 2, glyphs, true)).ok());
            for (const std::string statement : { "i < 3;", "GETUNICODE(i);" }) {
                test::writeText(f.path("s.spt"),
                    "int i;\nWRITE(\"before\");\nfor (i = 0; i < 5000; i++) " + statement
                        + "\nWRITE(\"done\");");
                // The limit only keeps a fault from hanging the test.
                const CliRun run = runCommandLine({ "export", font, "-s", f.path("s.spt"), "-o",
                    f.path("out.c"), "--max-seconds", "5" });
                EXPECT_EQ(run.status, 0) << glyphs << statement;
                EXPECT_EQ(
                    run.out, "Compiling...\nNo error\nRun...\n" + message + "\n" + message + "\n")
                    << glyphs << statement;
                EXPECT_EQ(test::readText(f.path("out.c")), "before") << glyphs << statement;
            }
        }
    }

    TEST(CliExport, FullDiskExitsTwoWithoutOk)
    {
        if (!std::filesystem::exists("/dev/full")) {
            GTEST_SKIP() << "no /dev/full here";
        }
        Fixture f;
        const CliRun run = runCommandLine({ "export", f.font(), "-o", "/dev/full" });
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err,
            "tessellon-cli export: Cannot write file /dev/full: No space left on device\n");
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

    TEST(CliExport, MissingFontOrOutputIsNamed)
    {
        Fixture f;
        const CliRun noOutput = runCommandLine({ "export", f.font() });
        EXPECT_EQ(noOutput.status, 2);
        EXPECT_EQ(noOutput.err.rfind("tessellon-cli export: -o OUT is missing", 0), 0u)
            << noOutput.err;
        EXPECT_NE(noOutput.err.find("Usage: tessellon-cli export"), std::string::npos);
        const CliRun noFont = runCommandLine({ "export", "-o", f.path("out.c") });
        EXPECT_EQ(noFont.err.rfind("tessellon-cli export: FONT.pix is missing\n", 0), 0u)
            << noFont.err;
        EXPECT_FALSE(std::filesystem::exists(f.path("out.c")));
    }

    TEST(CliExport, HelpListsTheExportCommand)
    {
        const CliRun help = runCommandLine({ "--help" });
        EXPECT_NE(help.out.find("export FONT.pix -o OUT"), std::string::npos);
    }

} // namespace
} // namespace tessellon::cli
