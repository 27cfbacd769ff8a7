#include "creation/CharSetFormat.h"

#include "CharSetTestFiles.h"

#include <gtest/gtest.h>

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

    TEST(CharSetFormat, MissingFileIsNotOpenedAndSaysWhy)
    {
        const auto measure = measureCharSetFile("/nonexistent/folder/set.txt");
        EXPECT_FALSE(measure.opened);
        EXPECT_EQ(measure.glyphCount, 0u);
        EXPECT_NE(measure.message.find("/nonexistent/folder/set.txt"), std::string::npos);
    }

    TEST(CharSetFormat, FolderIsNotACharacterSet)
    {
        test::ScratchFolder folder;
        EXPECT_FALSE(measureCharSetFile(folder.path().string()).opened);
    }

    TEST(CharSetFormat, FileIsMeasuredOnDisk)
    {
        test::ScratchFolder folder;
        const auto path = folder.write("set.txt", { 0xFF, 0xFE, 0x30, 0x4E, 0x31, 0x4E });
        const auto measure = measureCharSetFile(path);
        EXPECT_TRUE(measure.opened);
        EXPECT_EQ(measure.form, CharSetForm::Utf16);
        EXPECT_EQ(measure.totalBytes, 6u);
        EXPECT_EQ(measure.glyphCount, 2u);
    }

} // namespace
} // namespace tessellon
