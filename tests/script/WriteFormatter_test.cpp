#include "script/WriteFormatter.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

using namespace tessellon;

namespace {

std::string format(
    std::string_view text, std::vector<std::uint32_t> args = {}, std::size_t capacity = 4095)
{
    std::vector<char> out(capacity);
    const std::size_t size = formatWrite(text, args, out);
    return { out.data(), size };
}

// The C library's text for a format the test itself built.
template <typename... Args> std::string reference(const std::string& fmt, Args... args)
{
    std::array<char, 512> out {};
    const int size = std::snprintf(out.data(), out.size(), fmt.c_str(), args...);
    return { out.data(), static_cast<std::size_t>(size) };
}

std::vector<std::string> flagSets(bool withAlternate)
{
    const std::string flags = "-+ #0";
    std::vector<std::string> sets;
    for (int mask = 0; mask < 32; ++mask) {
        std::string set;
        for (int bit = 0; bit < 5; ++bit) {
            if (mask & (1 << bit)) {
                set += flags[static_cast<std::size_t>(bit)];
            }
        }
        if (withAlternate || set.find('#') == std::string::npos) {
            sets.push_back(set);
        }
    }
    return sets;
}

const std::vector<std::uint32_t> values = { 0, 1, 7, 8, 9, 10, 42, 255, 256, 4096, 65535, 123456789,
    0x7FFFFFFF, 0x80000000, 0x80000001, 0xFFFFFFFE, 0xFFFFFFFF, 0xDEADBEEF };
const std::vector<std::string> widths = { "", "1", "2", "6", "12", "15" };
const std::vector<std::string> precisions = { "", ".", ".0", ".1", ".3", ".11", ".14" };

} // namespace

TEST(WriteFormatter, SignedConversionsMatchTheCLibrary)
{
    int checked = 0;
    for (const char conversion : std::string("di")) {
        for (const auto& flags : flagSets(false)) {
            for (const auto& width : widths) {
                for (const auto& precision : precisions) {
                    const std::string directive = "[%" + flags + width + precision + conversion + "]";
                    for (const std::uint32_t value : values) {
                        ASSERT_EQ(format(directive, { value }), reference(directive, static_cast<int>(value)))
                            << directive << " " << value;
                        ++checked;
                    }
                }
            }
        }
    }
    EXPECT_GT(checked, 10000);
}

TEST(WriteFormatter, UnsignedConversionsMatchTheCLibrary)
{
    for (const char conversion : std::string("uxXo")) {
        const bool alternateDefined = conversion != 'u';
        for (const auto& flags : flagSets(alternateDefined)) {
            for (const auto& width : widths) {
                for (const auto& precision : precisions) {
                    const std::string directive = "<%" + flags + width + precision + conversion + ">";
                    for (const std::uint32_t value : values) {
                        ASSERT_EQ(
                            format(directive, { value }), reference(directive, static_cast<unsigned>(value)))
                            << directive << " " << value;
                    }
                }
            }
        }
    }
}

TEST(WriteFormatter, StarWidthAndPrecisionMatchTheCLibrary)
{
    const std::vector<int> stars = { -9, -1, 0, 1, 4, 10 };
    for (const char conversion : std::string("dux")) {
        for (const std::string flags : { "", "0", "-", "+" }) {
            for (const int width : stars) {
                for (const int precision : stars) {
                    for (const std::uint32_t value : { 0u, 5u, 0xFFFFFFF0u }) {
                        const std::string both = "%" + flags + "*.*" + conversion;
                        ASSERT_EQ(format(both,
                                      { static_cast<std::uint32_t>(width),
                                          static_cast<std::uint32_t>(precision), value }),
                            reference(both, width, precision, value))
                            << both << " " << width << " " << precision;
                        const std::string onlyWidth = "%" + flags + "*" + conversion;
                        ASSERT_EQ(format(onlyWidth, { static_cast<std::uint32_t>(width), value }),
                            reference(onlyWidth, width, value));
                    }
                }
            }
        }
    }
}

TEST(WriteFormatter, CharacterConversionMatchesTheCLibrary)
{
    for (const std::string directive : { "%c", "%5c", "%-5c", "%1c", "%-c" }) {
        for (const std::uint32_t value : { 65u, 122u, 0x141u, 0xFFu, 32u }) {
            EXPECT_EQ(format(directive, { value }), reference(directive, static_cast<int>(value))) << directive;
        }
    }
}

TEST(WriteFormatter, CharacterZeroIsANulByte)
{
    EXPECT_EQ(format("a%cb", { 0 }), std::string("a\0b", 3));
    EXPECT_EQ(format("%3c", { 0 }), std::string("  \0", 3));
}

TEST(WriteFormatter, DefaultScriptFormats)
{
    EXPECT_EQ(format("const unsigned char uc2_%04x[] = {", { 0x4E2D }),
        "const unsigned char uc2_4e2d[] = {");
    EXPECT_EQ(format("};\r\n"), "};\r\n");
    EXPECT_EQ(format("%d-%d", { 1, 2 }), "1-2");
    EXPECT_EQ(format("%d", { static_cast<std::uint32_t>(-2) }), "-2");
    EXPECT_EQ(format("0x%02x,", { 7 }), "0x07,");
}

TEST(WriteFormatter, PercentSignsAndPlainText)
{
    EXPECT_EQ(format("100%% sure %%d"), "100% sure %d");
    EXPECT_EQ(format("no conversions"), "no conversions");
    EXPECT_EQ(format(""), "");
}

TEST(WriteFormatter, LengthModifiersAreIgnored)
{
    EXPECT_EQ(format("%hhd %hd %ld %lld %jd %zu %td %Lx %qd",
                  { 300, 70000, 0xFFFFFFFF, 0xFFFFFFFF, 5, 6, 7, 0xAB, 9 }),
        "300 70000 -1 -1 5 6 7 ab 9");
}

TEST(WriteFormatter, OtherConversionsAreCopiedAndTakeNoArgument)
{
    EXPECT_EQ(format("%s|%n|%p|%f|%e|%g|%a|%5.2s|%ls|%*s|%5%|%d", { 42 }),
        "%s|%n|%p|%f|%e|%g|%a|%5.2s|%ls|%*s|%5%|42");
    EXPECT_EQ(format("end %", { 1 }), "end %");
    EXPECT_EQ(format("end %-08.3l", { 1 }), "end %-08.3l");
    EXPECT_EQ(format("%y%d", { 3 }), "%y3");
}

TEST(WriteFormatter, MissingArgumentsAreZero)
{
    EXPECT_EQ(format("%d %x %c|%*d|%.*d|", {}), std::string("0 0 \0|0||", 9));
    EXPECT_EQ(format("%d %d %d", { 1, 2 }), "1 2 0");
}

TEST(WriteFormatter, EightArgumentsInOrder)
{
    EXPECT_EQ(format("%d%d%d%d%d%d%d%d", { 1, 2, 3, 4, 5, 6, 7, 8 }), "12345678");
}

TEST(WriteFormatter, TheMarkValueIsAnOrdinaryArgument)
{
    EXPECT_EQ(
        format("%d %u %x %X %o", { 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF }),
        "-1 4294967295 ffffffff FFFFFFFF 37777777777");
}

TEST(WriteFormatter, TextIsCutAtTheBufferEnd)
{
    EXPECT_EQ(format("%5000d", { 1 }), std::string(4095, ' '));
    EXPECT_EQ(format("ab%.5000d", { 1 }), "ab" + std::string(4093, '0'));
    EXPECT_EQ(format("%-5000dxyz", { 12 }), "12" + std::string(4093, ' '));
    EXPECT_EQ(format("%2147483647d|%99999999999999999999d", { 1, 2 }).size(), 4095u);
    EXPECT_EQ(format("%*d", { 0x80000000u, 3 }).size(), 4095u);
    EXPECT_EQ(format("%*d", { 0x80000000u, 3 }).front(), '3');
    EXPECT_EQ(format("%.*d", { 0x7FFFFFFFu, 3 }).size(), 4095u);
    EXPECT_EQ(format("abcdef", {}, 4), "abcd");
    EXPECT_EQ(format("%d", { 0x80000000u }, 5), "-2147");
    EXPECT_EQ(format("%d", { 1 }, 0), "");
}

TEST(WriteFormatter, FormatEndsAtItsFirstNul)
{
    EXPECT_EQ(format(std::string_view("ab\0%d", 5), { 1 }), "ab");
    EXPECT_EQ(format(std::string_view("x%\0d", 4), { 1 }), "x%");
    EXPECT_EQ(format(std::string_view("%-5\0d", 5), { 1 }), "%-5");
    EXPECT_EQ(format(std::string_view("%d\0%d", 5), { 1, 2 }), "1");
}
