#include "creation/CharSetFolder.h"
#include "creation/CharSetFormat.h"
#include "creation/CharSetReader.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessellon {
namespace {

    using Names = std::vector<std::string>;

    std::vector<std::uint16_t> codesOf(const std::string& name)
    {
        auto source = FileByteSource::open(charSetFilePath(TESSELLON_PROGRAM_DIR, name));
        std::vector<std::uint16_t> codes;
        if (!source) {
            ADD_FAILURE() << name << ": " << source.message();
            return codes;
        }
        CharSetReader reader(**source);
        while (const auto code = reader.next()) {
            codes.push_back(*code);
        }
        return codes;
    }

    CharSetMeasure measureOf(const std::string& name)
    {
        const auto charSet = openCharSetFile(charSetFilePath(TESSELLON_PROGRAM_DIR, name));
        if (!charSet) {
            ADD_FAILURE() << charSet.message();
            return {};
        }
        return charSet->measure;
    }

    bool holds(const std::vector<std::uint16_t>& codes, std::uint16_t code)
    {
        return std::find(codes.begin(), codes.end(), code) != codes.end();
    }

    TEST(ShippedCharSets, LieBesideTheProgramsSortedByName)
    {
        EXPECT_EQ(listCharSetFiles(TESSELLON_PROGRAM_DIR),
            (Names { "ascii.txt", "big5_common.txt", "cyrillic.txt", "gb2312.txt", "greek.txt",
                "jisx0208.txt", "ksx1001_hangul.txt", "latin1.txt" }));
    }

    TEST(ShippedCharSets, AsciiIsThePrintableCharactersInEightBits)
    {
        const auto measure = measureOf("ascii.txt");
        EXPECT_EQ(measure.form, CharSetForm::EightBit);
        EXPECT_EQ(measure.glyphCount, 95u);
        const auto codes = codesOf("ascii.txt");
        EXPECT_EQ(codes.front(), 0x20);
        EXPECT_EQ(codes.back(), 0x7E);
    }

    TEST(ShippedCharSets, Latin1AddsTheUpperHalfAsHighBytes)
    {
        const auto codes = codesOf("latin1.txt");
        EXPECT_EQ(codes.size(), 95u + 96u);
        EXPECT_EQ(codes[95], 0xA0);
        EXPECT_EQ(codes.back(), 0xFF);
        EXPECT_TRUE(holds(codes, 0xE9)); // e acute
    }

    TEST(ShippedCharSets, GreekAndCyrillicAreUtf16WithTheirLetters)
    {
        const auto greek = codesOf("greek.txt");
        EXPECT_TRUE(holds(greek, 0x0391)); // capital alpha
        EXPECT_TRUE(holds(greek, 0x03C9)); // small omega
        EXPECT_TRUE(holds(greek, u'A'));
        const auto cyrillic = codesOf("cyrillic.txt");
        EXPECT_TRUE(holds(cyrillic, 0x0410)); // capital A
        EXPECT_TRUE(holds(cyrillic, 0x044F)); // small ya
        EXPECT_EQ(cyrillic.size(), 95u + 96u);
    }

    TEST(ShippedCharSets, CjkSetsHoldTheirStandardCounts)
    {
        const auto gb2312 = codesOf("gb2312.txt");
        EXPECT_EQ(gb2312.size(), 7445u); // 682 symbols and 6763 hanzi
        EXPECT_EQ(gb2312.front(), 0x3000);
        EXPECT_TRUE(holds(gb2312, 0x554A)); // the first hanzi of GB 2312
        EXPECT_TRUE(holds(gb2312, 0x9F44));

        const auto jis = codesOf("jisx0208.txt");
        EXPECT_EQ(jis.size(), 6879u);
        EXPECT_TRUE(holds(jis, 0x3042)); // hiragana a
        EXPECT_TRUE(holds(jis, 0x4E9C));

        const auto hangul = codesOf("ksx1001_hangul.txt");
        EXPECT_EQ(hangul.size(), 2350u);
        EXPECT_EQ(hangul.front(), 0xAC00);
        EXPECT_EQ(hangul.back(), 0xD79D);

        const auto big5 = codesOf("big5_common.txt");
        EXPECT_EQ(big5.size(), 5401u);
        EXPECT_EQ(big5.front(), 0x4E00);
    }

    TEST(ShippedCharSets, MultiByteSetsCarryTheUtf16Mark)
    {
        for (const char* name : { "greek.txt", "cyrillic.txt", "gb2312.txt", "jisx0208.txt",
                 "ksx1001_hangul.txt", "big5_common.txt" }) {
            EXPECT_EQ(measureOf(name).form, CharSetForm::Utf16) << name;
        }
    }

} // namespace
} // namespace tessellon
