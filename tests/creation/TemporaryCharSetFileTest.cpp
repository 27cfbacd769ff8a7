#include "creation/TemporaryCharSetFile.h"

#include "CharSetTestFiles.h"
#include "creation/CharSetFormat.h"
#include "creation/UnicodeRangeGrid.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    namespace fs = std::filesystem;
    using Bytes = std::vector<std::uint8_t>;

    TEST(TemporaryCharSetFile, HoldsTheMarkThenEveryCodeLittleEndian)
    {
        test::ScratchFolder folder;
        TemporaryCharSetFile file;
        const std::vector<std::uint16_t> codes { 0x0041, 0x4E00, 0xFFFF, 0x000A };
        ASSERT_TRUE(file.create(codes, folder.path())) << file.errorText();
        EXPECT_EQ(test::readAll(file.path()),
            (Bytes { 0xFF, 0xFE, 0x41, 0x00, 0x00, 0x4E, 0xFF, 0xFF, 0x0A, 0x00 }));
    }

    TEST(TemporaryCharSetFile, NameBeginsWithPixelPrefixInTheGivenFolder)
    {
        test::ScratchFolder folder;
        TemporaryCharSetFile file;
        ASSERT_TRUE(file.create({}, folder.path()));
        const fs::path path(file.path());
        EXPECT_EQ(path.parent_path(), folder.path());
        EXPECT_EQ(path.filename().string().rfind("pixel_", 0), 0u) << path;
    }

    TEST(TemporaryCharSetFile, DefaultFolderIsTheSystemTemporaryFolder)
    {
        TemporaryCharSetFile file;
        ASSERT_TRUE(file.create(std::vector<std::uint16_t> { 0x41 })) << file.errorText();
        EXPECT_TRUE(fs::equivalent(fs::path(file.path()).parent_path(), fs::temp_directory_path()));
    }

    TEST(TemporaryCharSetFile, EachFileGetsItsOwnName)
    {
        test::ScratchFolder folder;
        TemporaryCharSetFile first;
        TemporaryCharSetFile second;
        ASSERT_TRUE(first.create(std::vector<std::uint16_t> { 0x41 }, folder.path()));
        ASSERT_TRUE(second.create(std::vector<std::uint16_t> { 0x42 }, folder.path()));
        EXPECT_NE(first.path(), second.path());
        EXPECT_EQ(test::readAll(first.path()), (Bytes { 0xFF, 0xFE, 0x41, 0x00 }));
    }

    TEST(TemporaryCharSetFile, GridWithoutProductiveRowGivesMarkOnlyAndNoGlyph)
    {
        test::ScratchFolder folder;
        UnicodeRangeGrid grid;
        grid.setCell(1, 1, "30");
        grid.setCell(0, 2, "5A");
        grid.setCell(1, 3, "61");
        grid.setCell(1, 4, "");
        TemporaryCharSetFile file;
        ASSERT_TRUE(file.create(grid.codes(), folder.path()));
        EXPECT_EQ(test::readAll(file.path()), (Bytes { 0xFF, 0xFE }));
        EXPECT_EQ(measureCharSetFile(file.path()).glyphCount, 0u);
    }

    TEST(TemporaryCharSetFile, DefaultGridGives62GlyphsInA126ByteFile)
    {
        test::ScratchFolder folder;
        TemporaryCharSetFile file;
        ASSERT_TRUE(file.create(UnicodeRangeGrid().codes(), folder.path()));
        const auto measure = measureCharSetFile(file.path());
        EXPECT_EQ(measure.totalBytes, 126u);
        EXPECT_EQ(measure.glyphCount, 62u);
    }

    TEST(TemporaryCharSetFile, RangeToFFFFEndsTheFileAfterFFFF)
    {
        test::ScratchFolder folder;
        UnicodeRangeGrid grid;
        grid.setCell(0, 1, "FFF0");
        grid.setCell(1, 1, "FFFF");
        grid.setCell(0, 2, "");
        grid.setCell(1, 2, "");
        grid.setCell(0, 3, "");
        grid.setCell(1, 3, "");
        TemporaryCharSetFile file;
        ASSERT_TRUE(file.create(grid.codes(), folder.path()));
        const Bytes bytes = test::readAll(file.path());
        ASSERT_EQ(bytes.size(), 2u + 2 * 16);
        EXPECT_EQ(bytes[2], 0xF0);
        EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
        EXPECT_EQ(bytes[bytes.size() - 1], 0xFF);
    }

    TEST(TemporaryCharSetFile, IsRemovedWhenTheObjectGoes)
    {
        test::ScratchFolder folder;
        std::string path;
        {
            TemporaryCharSetFile file;
            ASSERT_TRUE(file.create(std::vector<std::uint16_t> { 0x41 }, folder.path()));
            path = file.path();
            EXPECT_TRUE(fs::exists(path));
        }
        EXPECT_FALSE(fs::exists(path));
    }

    TEST(TemporaryCharSetFile, MovedFileIsRemovedOnceByItsNewOwner)
    {
        test::ScratchFolder folder;
        TemporaryCharSetFile kept;
        {
            TemporaryCharSetFile file;
            ASSERT_TRUE(file.create(std::vector<std::uint16_t> { 0x41 }, folder.path()));
            kept = std::move(file);
        }
        EXPECT_TRUE(fs::exists(kept.path()));
        const std::string path = kept.path();
        kept.remove();
        EXPECT_FALSE(fs::exists(path));
        EXPECT_TRUE(kept.path().empty());
    }

    TEST(TemporaryCharSetFile, MissingFolderFailsWithAMessageAndLeavesNothing)
    {
        TemporaryCharSetFile file;
        EXPECT_FALSE(file.create(std::vector<std::uint16_t> { 0x41 }, "/nonexistent/tessellon"));
        EXPECT_TRUE(file.path().empty());
        EXPECT_NE(file.errorText().find("/nonexistent/tessellon"), std::string::npos);
    }

} // namespace
} // namespace tessellon
