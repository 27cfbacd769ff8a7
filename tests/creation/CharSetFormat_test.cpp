#include "creation/CharSetFormat.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <array>

#include <sys/stat.h>

namespace tessellon {
namespace {

    CharSetMeasure measureBytes(const std::vector<std::uint8_t>& bytes)
    {
        MemoryByteSource source(bytes);
        return measureCharSet(source);
    }

    TEST(CharSetFormat, EightBitFileCountsEveryByteIncludingLineEnds)
    {
        const auto measure = measureBytes({ 0x41, 0x42, 0x0D, 0x0A });
        EXPECT_EQ(measure.form, CharSetForm::EightBit);
        EXPECT_EQ(measure.glyphCount, 4u);
        EXPECT_EQ(measure.totalBytes, 4u);
    }

    TEST(CharSetFormat, Utf16FileCountsUnitsAfterTheMark)
    {
        const auto measure = measureBytes({ 0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00, 0x0A, 0x00 });
        EXPECT_EQ(measure.form, CharSetForm::Utf16);
        EXPECT_EQ(measure.glyphCount, 3u);
    }

    TEST(CharSetFormat, Utf16FileIgnoresALastSingleByte)
    {
        const auto measure = measureBytes({ 0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00, 0x0A, 0x00, 0x33 });
        EXPECT_EQ(measure.glyphCount, 3u);
        EXPECT_EQ(measure.totalBytes, 9u);
    }

    TEST(CharSetFormat, MarkAloneGivesNoGlyph)
    {
        EXPECT_EQ(measureBytes({ 0xFF, 0xFE }).glyphCount, 0u);
        EXPECT_EQ(measureBytes({ 0xFF, 0xFE, 0x41 }).glyphCount, 0u);
    }

    TEST(CharSetFormat, ShortFilesAreEightBit)
    {
        EXPECT_EQ(measureBytes({ 0xFF }).form, CharSetForm::EightBit);
        EXPECT_EQ(measureBytes({ 0xFF }).glyphCount, 1u);
        EXPECT_EQ(measureBytes({}).glyphCount, 0u);
    }

    TEST(CharSetFormat, BigEndianMarkIsReadAsEightBit)
    {
        const auto measure = measureBytes({ 0xFE, 0xFF, 0x00, 0x41 });
        EXPECT_EQ(measure.form, CharSetForm::EightBit);
        EXPECT_EQ(measure.glyphCount, 4u);
    }

    // A file that cannot be read as a character set is refused with its path and the
    // system's reason.
    TEST(CharSetFormat, UnusableFilesAreRefusedWithTheReason)
    {
        test::TempDir folder;
        const std::string fifo = (folder.root() / "fifo.txt").string();
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        const struct {
            std::string path;
            std::string reason;
        } cases[] = {
            { "/nonexistent/folder/set.txt", "No such file or directory" },
            { folder.root().string(), "it is a folder" },
            { fifo, "it is not a regular file" },
        };
        for (const auto& unusable : cases) {
            const auto charSet = openCharSetFile(unusable.path);
            ASSERT_FALSE(charSet.ok()) << unusable.path;
            EXPECT_EQ(
                charSet.message(), "Cannot open file " + unusable.path + ": " + unusable.reason);
        }
    }

    TEST(CharSetFormat, FileIsMeasuredOnDiskAndReadFromTheSameSource)
    {
        test::TempDir folder;
        const auto path = folder.write("set.txt", { 0xFF, 0xFE, 0x30, 0x4E, 0x31, 0x4E });
        auto charSet = openCharSetFile(path);
        ASSERT_TRUE(charSet.ok()) << charSet.message();
        EXPECT_EQ(charSet->measure.form, CharSetForm::Utf16);
        EXPECT_EQ(charSet->measure.totalBytes, 6u);
        EXPECT_EQ(charSet->measure.glyphCount, 2u);
        std::array<std::uint8_t, 2> second {};
        ASSERT_TRUE(charSet->source->readAt(4, second));
        EXPECT_EQ(second, (std::array<std::uint8_t, 2> { 0x31, 0x4E }));
    }

} // namespace
} // namespace tessellon
