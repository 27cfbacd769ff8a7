#include "CliRunner.h"
#include "cli/CliCommand.h"
#include "document/PixWriter.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <sstream>

#include <sys/stat.h>

namespace tessellon::cli {
namespace {

    using test::CliRun;
    using test::runCommandLine;

    TEST(CliInfo, PrintsGlyphCountSizeAndCodes)
    {
        test::TempDir dir;
        ASSERT_TRUE(writePixFile(dir.path("a.pix"), FontLib::blank(12, 16, 3, true)).ok());
        ASSERT_TRUE(writePixFile(dir.path("b.pix"), FontLib::blank(7, 9, 0, false)).ok());

        const CliRun a = runCommandLine({ "info", dir.path("a.pix") });
        EXPECT_EQ(a.status, 0);
        EXPECT_EQ(a.out.rfind("glyphs: 3\nsize: 12x16\ncodes: yes\n", 0), 0u) << a.out;
        EXPECT_NE(a.out.find("\nformat: Font pixel file\n"), std::string::npos) << a.out;

        const CliRun b = runCommandLine({ "info", dir.path("b.pix") });
        EXPECT_EQ(b.status, 0);
        EXPECT_EQ(b.out.rfind("glyphs: 0\nsize: 7x9\ncodes: no\n", 0), 0u) << b.out;
    }

    TEST(CliInfo, UnusableFilesGiveTheReasonAndStatusTwo)
    {
        test::TempDir dir;
        test::writeBytes(dir.path("text.pix"), { 'h', 'e', 'l', 'l', 'o' });
        test::writeBytes(dir.path("short.pix"), { 'F', 'T', 1, 0 });

        const CliRun notPix = runCommandLine({ "info", dir.path("text.pix") });
        EXPECT_EQ(notPix.status, 2);
        EXPECT_EQ(notPix.err,
            "tessellon-cli info: " + dir.path("text.pix") + ": This is not an font pixel file!\n");
        EXPECT_TRUE(notPix.out.empty());

        const CliRun damaged = runCommandLine({ "info", dir.path("short.pix") });
        EXPECT_EQ(damaged.status, 2);
        EXPECT_EQ(damaged.err.rfind("tessellon-cli info: " + dir.path("short.pix") + ": ", 0), 0u)
            << damaged.err;
        EXPECT_NE(damaged.err.find("damaged"), std::string::npos) << damaged.err;

        const CliRun missing = runCommandLine({ "info", dir.path("missing.pix") });
        EXPECT_EQ(missing.status, 2);
        EXPECT_NE(missing.err.find("missing.pix"), std::string::npos) << missing.err;
    }

    TEST(CliInfo, AFifoIsRefusedInsteadOfWaitedOn)
    {
        test::TempDir dir;
        const std::string fifo = dir.path("fifo.pix");
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        const CliRun run = runCommandLine({ "info", fifo });
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err,
            "tessellon-cli info: Cannot open file " + fifo + ": it is not a regular file\n");
        EXPECT_TRUE(run.out.empty());
    }

    TEST(CliInfo, WrongArgumentsGiveUsageAndStatusTwo)
    {
        EXPECT_EQ(runCommandLine({ "info" }).status, 2);
        EXPECT_EQ(runCommandLine({ "info", "a", "b" }).status, 2);
        EXPECT_EQ(runCommandLine({ "frobnicate" }).status, 2);
        EXPECT_EQ(runCommandLine({}).status, 2);
        const CliRun help = runCommandLine({ "--help" });
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.out.find("info FONT.pix"), std::string::npos);
        const CliRun version = runCommandLine({ "--version" });
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out.rfind("tessellon-cli ", 0), 0u) << version.out;
        EXPECT_EQ(version.out.find_first_not_of("0123456789.\n", 14), std::string::npos)
            << version.out;
    }

} // namespace
} // namespace tessellon::cli
