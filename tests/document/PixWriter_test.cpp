#include "document/PixReader.h"
#include "document/PixWriter.h"
#include "document/SafeFileWriter.h"

#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tessellon {
namespace {

    using Bytes = std::vector<std::uint8_t>;
    namespace fs = std::filesystem;

    FontLib threeGlyphs12x16()
    {
        FontLib font = FontLib::blank(12, 16, 3, true);
        *font.codeTable = { 0x0041, 0x4E2D, 0xFFFF };
        for (std::size_t i = 0; i < font.pixelData.size(); ++i) {
            font.pixelData[i] = static_cast<std::uint8_t>(i % 2 == 0 ? i : i & 0xF0);
        }
        return font;
    }

    TEST(PixWriter, WritesThreeGlyphs12x16ByteForByte)
    {
        test::TempDir dir;
        const FontLib font = threeGlyphs12x16();
        const auto path = dir.path("three.pix");
        ASSERT_TRUE(writePixFile(path, font).ok());

        const Bytes bytes = test::readBytes(path);
        ASSERT_EQ(bytes.size(), 130u);
        const Bytes head { 0x46, 0x54, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1C, 0x00, 0x00, 0x00,
            0x22, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x0C, 0x00,
            0x10, 0x00 };
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 28), head);
        EXPECT_EQ(Bytes(bytes.begin() + 28, bytes.begin() + 34),
            (Bytes { 0x41, 0x00, 0x2D, 0x4E, 0xFF, 0xFF }));
        EXPECT_EQ(Bytes(bytes.begin() + 34, bytes.end()), font.pixelData);

        const Result<FontLib> back = readPixFile(path);
        ASSERT_TRUE(back.ok()) << back.message();
        EXPECT_EQ(back->info, font.info);
        EXPECT_EQ(back->codeTable, font.codeTable);
        EXPECT_EQ(back->pixelData, font.pixelData);
    }

    TEST(PixWriter, AFontWithoutCodeTableRoundTripsWithFlagAndOffsetZero)
    {
        test::TempDir dir;
        FontLib font = FontLib::blank(5, 3, 2, false);
        font.pixelData = { 0xF8, 0x00, 0x88, 0x70, 0x20, 0x50 };
        font.info.reserved = 0x7777;
        const auto path = dir.path("plain.pix");
        ASSERT_TRUE(writePixFile(path, font).ok());

        const Bytes bytes = test::readBytes(path);
        ASSERT_EQ(bytes.size(), 28u + 6u);
        EXPECT_EQ(bytes[8] | bytes[9] | bytes[10] | bytes[11], 0) << "codeTableOffset 0";
        EXPECT_EQ(bytes[12], 28) << "pixels right after the info";
        EXPECT_EQ(bytes[20], 0) << "codeTableFlag 0";
        EXPECT_EQ(bytes[22] | bytes[23], 0) << "reserved written as 0";

        const Result<FontLib> back = readPixFile(path);
        ASSERT_TRUE(back.ok()) << back.message();
        EXPECT_FALSE(back->codeTable.has_value());
        EXPECT_EQ(back->pixelData, font.pixelData);
    }

    TEST(PixWriter, AKnownBaselineGoesToTheHeaderReservedFieldAndComesBack)
    {
        test::TempDir dir;
        FontLib font = FontLib::blank(12, 16, 1, true);
        font.baseline = 13;
        const auto path = dir.path("baseline.pix");
        ASSERT_TRUE(writePixFile(path, font).ok());
        const Bytes bytes = test::readBytes(path);
        EXPECT_EQ(Bytes(bytes.begin() + 4, bytes.begin() + 8), (Bytes { 'B', 'L', 13, 0 }));
        EXPECT_EQ(bytes[22] | bytes[23], 0) << "the info record's reserved stays 0";
        const Result<FontLib> back = readPixFile(path);
        ASSERT_TRUE(back.ok()) << back.message();
        EXPECT_EQ(back->baseline, 13);
    }

    TEST(PixWriter, AnEmptyFontIsA28ByteFile)
    {
        test::TempDir dir;
        const auto path = dir.path("empty.pix");
        ASSERT_TRUE(writePixFile(path, FontLib::blank(16, 16, 0, true)).ok());
        const Bytes bytes = test::readBytes(path);
        ASSERT_EQ(bytes.size(), 28u);
        EXPECT_EQ(bytes[8], 28);
        EXPECT_EQ(bytes[12], 28);
        EXPECT_TRUE(readPixFile(path).ok());
    }

    TEST(PixWriter, InfoForSavingSetsTheFlagFromTheCodeTableAndClearsReserved)
    {
        FontLib font = FontLib::blank(8, 8, 1, false);
        font.info.codeTableFlag = 1;
        font.info.reserved = 5;
        EXPECT_EQ(infoForSaving(font).codeTableFlag, 0);
        EXPECT_EQ(infoForSaving(font).reserved, 0);
        font.codeTable.emplace(1, 0);
        font.info.codeTableFlag = 0;
        EXPECT_EQ(infoForSaving(font).codeTableFlag, 1);
    }

    TEST(PixWriterSafety, AFailedSaveLeavesTheOldFileUntouched)
    {
        test::TempDir dir;
        const auto path = dir.path("keep.pix");
        test::writeBytes(path, { 1, 2, 3 });

        FontLib broken = FontLib::blank(8, 8, 2, true);
        broken.pixelData.pop_back();
        const Status result = writePixFile(path, broken);
        EXPECT_FALSE(result.ok());
        EXPECT_NE(result.message().find(path), std::string::npos) << result.message();
        EXPECT_EQ(test::readBytes(path), (Bytes { 1, 2, 3 }));

        const Status noFolder = writePixFile(dir.path("no/such/folder.pix"), FontLib {});
        EXPECT_FALSE(noFolder.ok());
        EXPECT_NE(noFolder.message().find("Cannot create file"), std::string::npos);
    }

    TEST(PixWriterSafety, AnUncommittedWriteNeverReachesTheTarget)
    {
        test::TempDir dir;
        const auto path = dir.path("target.bin");
        test::writeBytes(path, { 9, 9 });
        {
            SafeFileWriter writer(path);
            ASSERT_TRUE(writer.open());
            ASSERT_TRUE(writer.write(Bytes { 1, 2, 3, 4 }));
        }
        EXPECT_EQ(test::readBytes(path), (Bytes { 9, 9 }));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.root()), fs::directory_iterator()), 1)
            << "the temporary file is removed";
    }

    TEST(PixWriterSafety, ReplacingAFileKeepsItsPermissions)
    {
        test::TempDir dir;
        const auto path = dir.path("shared.pix");
        test::writeBytes(path, { 0 });
        fs::permissions(path,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read
                | fs::perms::others_read);
        ASSERT_TRUE(writePixFile(path, FontLib::blank(8, 8, 1, true)).ok());
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read
                | fs::perms::others_read);
        EXPECT_EQ(test::readBytes(path).size(), 28u + 2u + 8u);
    }

    TEST(PixWriterSafety, SavingOverAFolderFailsWithAMessage)
    {
        test::TempDir dir;
        fs::create_directory(dir.path("folder.pix"));
        const Status result = writePixFile(dir.path("folder.pix"), FontLib {});
        EXPECT_FALSE(result.ok());
        EXPECT_NE(result.message().find("it is a folder"), std::string::npos) << result.message();
        EXPECT_TRUE(fs::is_directory(dir.path("folder.pix")));
    }

} // namespace
} // namespace tessellon
