#include "creation/TemporaryCharSetFile.h"

#include "TempDir.h"
#include "creation/CharSetFormat.h"
#include "creation/UnicodeRangeGrid.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

namespace tessellon {
namespace {

    namespace fs = std::filesystem;
    using Bytes = std::vector<std::uint8_t>;

    TEST(TemporaryCharSetFile, HoldsTheMarkThenEveryCodeLittleEndian)
    {
        test::TempDir folder;
        const std::vector<std::uint16_t> codes { 0x0041, 0x4E00, 0xFFFF, 0x000A };
        const auto file = TemporaryCharSetFile::create(codes, folder.root());
        ASSERT_TRUE(file.ok()) << file.message();
        EXPECT_EQ(test::readBytes(file->path()),
            (Bytes { 0xFF, 0xFE, 0x41, 0x00, 0x00, 0x4E, 0xFF, 0xFF, 0x0A, 0x00 }));
    }

    TEST(TemporaryCharSetFile, NameBeginsWithPixelPrefixInTheGivenFolder)
    {
        test::TempDir folder;
        const auto file = TemporaryCharSetFile::create({}, folder.root());
        ASSERT_TRUE(file.ok());
        const fs::path path(file->path());
        EXPECT_EQ(path.parent_path(), folder.root());
        EXPECT_EQ(path.filename().string().rfind("pixel_", 0), 0u) << path;
    }

    TEST(TemporaryCharSetFile, DefaultFolderIsTheSystemTemporaryFolder)
    {
        const auto file = TemporaryCharSetFile::create(std::vector<std::uint16_t> { 0x41 });
        ASSERT_TRUE(file.ok()) << file.message();
        EXPECT_TRUE(
            fs::equivalent(fs::path(file->path()).parent_path(), fs::temp_directory_path()));
    }

    TEST(TemporaryCharSetFile, EachFileGetsItsOwnName)
    {
        test::TempDir folder;
        const auto first
            = TemporaryCharSetFile::create(std::vector<std::uint16_t> { 0x41 }, folder.root());
        const auto second
            = TemporaryCharSetFile::create(std::vector<std::uint16_t> { 0x42 }, folder.root());
        ASSERT_TRUE(first.ok() && second.ok());
        EXPECT_NE(first->path(), second->path());
        EXPECT_EQ(test::readBytes(first->path()), (Bytes { 0xFF, 0xFE, 0x41, 0x00 }));
    }

    TEST(TemporaryCharSetFile, GridWithoutProductiveRowGivesMarkOnlyAndNoGlyph)
    {
        test::TempDir folder;
        UnicodeRangeGrid grid;
        grid.setCell(1, 1, "30");
        grid.setCell(0, 2, "5A");
        grid.setCell(1, 3, "61");
        grid.setCell(1, 4, "");
        const auto file = TemporaryCharSetFile::create(grid.codes(), folder.root());
        ASSERT_TRUE(file.ok());
        EXPECT_EQ(test::readBytes(file->path()), (Bytes { 0xFF, 0xFE }));
        EXPECT_EQ(openCharSetFile(file->path())->measure.glyphCount, 0u);
    }

    TEST(TemporaryCharSetFile, DefaultGridGives62GlyphsInA126ByteFile)
    {
        test::TempDir folder;
        const auto file = TemporaryCharSetFile::create(UnicodeRangeGrid().codes(), folder.root());
        ASSERT_TRUE(file.ok());
        const auto charSet = openCharSetFile(file->path());
        ASSERT_TRUE(charSet.ok());
        EXPECT_EQ(charSet->measure.totalBytes, 126u);
        EXPECT_EQ(charSet->measure.glyphCount, 62u);
    }

    TEST(TemporaryCharSetFile, RangeToFFFFEndsTheFileAfterFFFF)
    {
        test::TempDir folder;
        UnicodeRangeGrid grid;
        grid.setCell(0, 1, "FFF0");
        grid.setCell(1, 1, "FFFF");
        grid.setCell(0, 2, "");
        grid.setCell(1, 2, "");
        grid.setCell(0, 3, "");
        grid.setCell(1, 3, "");
        const auto file = TemporaryCharSetFile::create(grid.codes(), folder.root());
        ASSERT_TRUE(file.ok());
        const Bytes bytes = test::readBytes(file->path());
        ASSERT_EQ(bytes.size(), 2u + 2 * 16);
        EXPECT_EQ(bytes[2], 0xF0);
        EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
        EXPECT_EQ(bytes[bytes.size() - 1], 0xFF);
    }

    TEST(TemporaryCharSetFile, IsRemovedWhenTheObjectGoes)
    {
        test::TempDir folder;
        std::string path;
        {
            const auto file
                = TemporaryCharSetFile::create(std::vector<std::uint16_t> { 0x41 }, folder.root());
            ASSERT_TRUE(file.ok());
            path = file->path();
            EXPECT_TRUE(fs::exists(path));
        }
        EXPECT_FALSE(fs::exists(path));
    }

    TEST(TemporaryCharSetFile, MovedFileIsRemovedOnceByItsNewOwner)
    {
        test::TempDir folder;
        TemporaryCharSetFile kept;
        {
            auto file
                = TemporaryCharSetFile::create(std::vector<std::uint16_t> { 0x41 }, folder.root());
            ASSERT_TRUE(file.ok());
            kept = std::move(*file);
        }
        EXPECT_TRUE(fs::exists(kept.path()));
        const std::string path = kept.path();
        kept.remove();
        EXPECT_FALSE(fs::exists(path));
        EXPECT_TRUE(kept.path().empty());
    }

    TEST(TemporaryCharSetFile, MissingFolderFailsWithAMessageAndLeavesNothing)
    {
        const auto file = TemporaryCharSetFile::create(
            std::vector<std::uint16_t> { 0x41 }, "/nonexistent/tessellon");
        ASSERT_FALSE(file.ok());
        EXPECT_EQ(file.message(),
            "Cannot create a temporary file in /nonexistent/tessellon: No such file or directory");
    }

    // Writing stops half-way here at the file-size limit: the part already written goes.
    TEST(TemporaryCharSetFile, FailedWriteLeavesNothingBehind)
    {
        test::TempDir folder;
        rlimit previous {};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit limited = previous;
        limited.rlim_cur = 1024;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        const auto file
            = TemporaryCharSetFile::create(std::vector<std::uint16_t>(8192, 0x41), folder.root());
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        ASSERT_FALSE(file.ok());
        EXPECT_NE(file.message().find("File too large"), std::string::npos) << file.message();
        EXPECT_TRUE(fs::is_empty(folder.root()));
    }

} // namespace
} // namespace tessellon
