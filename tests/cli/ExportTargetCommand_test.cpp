// tessellon-cli export --target, run as a user runs it: the shipped scripts and header are
// found beside the program, every target's file compiles, and what a target cannot hold is
// refused before anything is written.
#include "document/PixWriter.h"
#include "export/ExportTarget.h"

#include "CliRunner.h"
#include "support/FontBuilders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace tessellon {
namespace {

    using test::CliRun;
    using test::shellQuoted;

    CliRun runCli(const test::TempDir& dir, std::vector<std::string> args,
        const std::string& program = TESSELLON_CLI)
    {
        args.insert(args.begin(), "export");
        return test::runProgram(program, args, dir);
    }

    // Compiles a file as C with every warning an error, with the LVGL stand-in header.
    bool compiles(const test::TempDir& dir, const std::string& file)
    {
        const std::string command = "cc -std=c99 -Wall -Wextra -pedantic -Werror -c"
                                    " -DLV_LVGL_H_INCLUDE_SIMPLE -I" DECODERS_DIR "/lvgl9 -o "
            + shellQuoted(dir.path("unit.o")) + " " + shellQuoted(file) + " 2>"
            + shellQuoted(dir.path("cc.log"));
        return std::system(command.c_str()) == 0;
    }

    bool haveCCompiler() { return std::system("cc --version >/dev/null 2>&1") == 0; }

    const std::string sample = TEST_DATA_DIR "/fonts/sample.pix";

    TEST(ExportTargetCommand, EveryTargetOverTheSampleFontCompilesAndReportsItsSize)
    {
        if (!haveCCompiler()) {
            GTEST_SKIP() << "no C compiler (cc)";
        }
        const std::regex report(R"(\n95 glyphs: [0-9,]+ bytes \(pixels [0-9,]+, metrics and )"
                                R"(tables [0-9,]+\)\n$)");
        for (const ExportTarget& each : exportTargets()) {
            const std::string target(each.name);
            test::TempDir dir;
            const std::string output = dir.path(std::string(target) + ".c");
            const CliRun run = runCli(dir, { sample, "-o", output, "--target", target });
            EXPECT_EQ(run.status, 0) << target << ": " << run.err;
            EXPECT_TRUE(std::regex_search(run.out, report)) << target << ":\n" << run.out;
            EXPECT_TRUE(compiles(dir, output)) << target << ":\n"
                                               << test::readText(dir.path("cc.log"));
        }
    }

    TEST(ExportTargetCommand, WhatATargetCannotHoldIsRefusedAndTheOutputStaysAsItWas)
    {
        test::TempDir dir;
        const std::string big = dir.path("big.pix");
        FontLib font = FontLib::blank(40, 40, 400, true);
        for (std::uint32_t g = 0; g < 400; ++g) {
            (*font.codeTable)[g] = static_cast<std::uint16_t>(0x100 + g);
            font.setPixel(g, 0, 0);
            font.setPixel(g, 39, 39);
        }
        ASSERT_TRUE(writePixFile(big, font).ok());
        const std::string output = dir.path("out.c");
        const struct {
            std::vector<std::string> args;
            const char* message;
        } cases[] = {
            { { big, "--target", "gfx" },
                "80,000 bytes of bitmaps; a GFXfont holds at most 65,535" },
            { { sample, "--target", "rows", "--baseline", "17" }, "(it must be 0 to 16)" },
            { { sample, "--target", "lvgl", "--name", "my-font" },
                "'my-font' is not a C identifier" },
            { { sample, "--target", "u8g2", "--proportional", "200" },
                "u8g2: glyph U+0021 advances the pen by 20" },
            { { sample, "--target", "ttf" },
                "unknown target 'ttf'; the targets are gfx, u8g2, lvgl" },
            { { sample, "--proportional" }, "--proportional is a choice of the export targets" },
            { { sample, "--target", "gfx", "--bit0", "bottom" },
                "--bit0 is a choice of the pages" },
            { { sample, "--target", "pages", "--bit0", "left" }, "--bit0 must be top or bottom" },
            { { sample, "--target", "gfx", "--with-decoder" },
                "--with-decoder is a choice of the compact target, not of gfx" },
            { { sample, "--target", "rows", "--proportional=300" }, "a gap from 0 to 255" },
            { { sample, "--target", "rows", "--proportional", "300" }, "a gap from 0 to 255" },
        };
        for (const auto& c : cases) {
            test::writeText(output, "keep");
            std::vector<std::string> args = c.args;
            args.insert(args.end(), { "-o", output });
            const CliRun run = runCli(dir, args);
            EXPECT_EQ(run.status, 2) << c.message;
            EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
            EXPECT_EQ(test::readText(output), "keep") << c.message;
        }
    }

    TEST(ExportTargetCommand, ChoicesReachTheFileAndTheHeaderIsPlacedOnce)
    {
        test::TempDir dir;
        const std::string output = dir.path("font.c");
        CliRun run = runCli(dir,
            { sample, "-o", output, "--target", "tessellon", "--baseline", "10", "--name", "sans",
                "--proportional", "2" });
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string text = test::readText(output);
        EXPECT_NE(text.find("const struct tessellon_font sans = {12, 16, 10, 95, codes, zk_table, "
                            "advances};"),
            std::string::npos);
        EXPECT_NE(run.out.find("wrote " + dir.path("tessellon_font.h")), std::string::npos);
        run = runCli(dir, { sample, "-o", output, "--target", "tessellon" });
        EXPECT_NE(run.out.find("tessellon_font.h is up to date"), std::string::npos) << run.out;
        test::writeText(dir.path("tessellon_font.h"), "/* mine */");
        run = runCli(dir, { sample, "-o", output, "--target", "tessellon" });
        EXPECT_NE(run.out.find("differs from the file this program ships"), std::string::npos);
        EXPECT_EQ(test::readText(dir.path("tessellon_font.h")), "/* mine */");
    }

    // The compact target's decoder is placed only when asked for, as the header is: never
    // over a file of the user's, and without the program's own copy nothing is written.
    TEST(ExportTargetCommand, TheDecoderIsPlacedBesideOnRequest)
    {
        namespace fs = std::filesystem;
        test::TempDir dir;
        const std::string output = dir.path("font.c");
        CliRun run = runCli(dir, { sample, "-o", output, "--target", "compact" });
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_FALSE(fs::exists(dir.path("tessellon_compact.c")));
        test::writeText(dir.path("tessellon_compact.h"), "/* mine */");
        run = runCli(dir, { sample, "-o", output, "--target", "compact", "--with-decoder" });
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(test::readText(dir.path("tessellon_compact.c")),
            test::readText(SHIPPED_DATA_DIR "/decoder/tessellon_compact.c"));
        EXPECT_NE(run.out.find("tessellon_compact.h differs from the file this program ships"),
            std::string::npos)
            << run.out;
        EXPECT_EQ(test::readText(dir.path("tessellon_compact.h")), "/* mine */");

        const fs::path bare = dir.root() / "bare";
        fs::create_directories(bare / "doc");
        fs::create_directories(bare / "scripts");
        fs::copy_file(TESSELLON_CLI, bare / "tessellon-cli");
        fs::copy_file(
            SHIPPED_DATA_DIR "/scripts/compact_font.spt", bare / "scripts/compact_font.spt");
        test::writeText(output, "keep");
        run = runCli(dir, { sample, "-o", output, "--target", "compact", "--with-decoder" },
            (bare / "tessellon-cli").string());
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("decoder/tessellon_compact.c is missing from the program's files"),
            std::string::npos)
            << run.err;
        EXPECT_EQ(test::readText(output), "keep");
    }

    // A recipe's output of a target holds, after its header, what export --target writes of
    // the same font with the same options; the target's shipped files go beside it.
    TEST(ExportTargetCommand, RecipeOutputsOfATargetHoldWhatExportWrites)
    {
        const struct {
            const char* keys; // of the [output] section
            std::vector<std::string> options; // of export
            const char* beside; // a shipped file placed beside the output, or none
        } cases[] = {
            { "target = gfx\nproportional = 2\nname = ui_font\nbaseline = 6\n",
                { "--target", "gfx", "--proportional", "2", "--name", "ui_font", "--baseline",
                    "6" },
                nullptr },
            { "target = compact\ndecoder = yes\n", { "--target", "compact", "--with-decoder" },
                "tessellon_compact.c" },
        };
        for (const auto& c : cases) {
            const test::TempDir dir;
            ASSERT_TRUE(writePixFile(dir.path("source.pix"), test::numberedFont(8, 8, 10)).ok());
            test::writeText(dir.path("t.tfont"),
                std::string("font = source.pix\n[output]\nfile = made/ui.c\n") + c.keys);
            const CliRun built
                = test::runProgram(TESSELLON_CLI, { "build", dir.path("t.tfont") }, dir);
            ASSERT_EQ(built.status, 0) << built.err;
            std::filesystem::create_directories(dir.path("ref"));
            std::vector<std::string> args { dir.path("source.pix"), "-o", dir.path("ref/ui.c") };
            args.insert(args.end(), c.options.begin(), c.options.end());
            const CliRun exported = runCli(dir, args);
            ASSERT_EQ(exported.status, 0) << exported.err;
            const std::string made = test::readText(dir.path("made/ui.c"));
            const std::size_t body = made.find(" */\r\n");
            ASSERT_NE(body, std::string::npos) << made;
            EXPECT_EQ(made.substr(body + 5), test::readText(dir.path("ref/ui.c")));
            if (c.beside) {
                EXPECT_EQ(test::readText(dir.path(std::string("made/") + c.beside)),
                    test::readText(dir.path(std::string("ref/") + c.beside)));
            }
        }
    }

} // namespace
} // namespace tessellon
