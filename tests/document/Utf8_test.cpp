#include "document/Utf8.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    // Well-formed sequences of each length and at each boundary, and the ill-formed ones of
    // the Unicode standard's table 3-7 (cut off, overlong, surrogates, beyond U+10FFFF).
    TEST(Utf8, OnlyWellFormedSequencesDecode)
    {
        const struct {
            std::string bytes;
            std::optional<char32_t> code;
        } cases[] = {
            { "A", U'A' },
            { "\x7F", 0x7F },
            { "\xC2\x80", 0x80 },
            { "\xDF\xBF", 0x7FF },
            { "\xE0\xA0\x80", 0x800 },
            { "\xED\x9F\xBF", 0xD7FF },
            { "\xEE\x80\x80", 0xE000 },
            { "\xEF\xBF\xBF", 0xFFFF },
            { "\xF0\x90\x80\x80", 0x10000 },
            { "\xF4\x8F\xBF\xBF", 0x10FFFF },
            { "\x80", std::nullopt },
            { "\xC0\x80", std::nullopt },
            { "\xC1\xBF", std::nullopt },
            { "\xE0\x9F\xBF", std::nullopt },
            { "\xED\xA0\x80", std::nullopt },
            { "\xED\xBF\xBF", std::nullopt },
            { "\xF0\x8F\xBF\xBF", std::nullopt },
            { "\xF4\x90\x80\x80", std::nullopt },
            { "\xF5\x80\x80\x80", std::nullopt },
            { "\xFF", std::nullopt },
            { "\xE4\xB8", std::nullopt },
            { "\xE4\x41\xAD", std::nullopt },
        };
        for (const auto& c : cases) {
            std::size_t at = 0;
            EXPECT_EQ(decodeUtf8(c.bytes, at), c.code) << c.bytes;
            EXPECT_EQ(at, c.code ? c.bytes.size() : 0u) << c.bytes;
            if (c.code) {
                std::string encoded;
                appendUtf8(encoded, *c.code);
                EXPECT_EQ(encoded, c.bytes);
            }
        }
    }

    TEST(Utf8, FaultsAndNamesOfCharacters)
    {
        EXPECT_FALSE(findTextFault("caf\xC3\xA9\nline").has_value());
        const auto bad = findTextFault("a\nb\n\xC3(");
        ASSERT_TRUE(bad.has_value());
        EXPECT_EQ(bad->line, 3u);
        EXPECT_EQ(bad->what, "the byte 0xC3, which is not UTF-8");
        EXPECT_EQ(findTextFault(std::string("\n\0", 2))->what, "a NUL byte");
        EXPECT_EQ(codePointName(0x41), "U+0041");
        EXPECT_EQ(codePointName(0x4E2D), "U+4E2D");
        EXPECT_EQ(codePointName(0x1F600), "U+1F600");
        EXPECT_EQ(codePointName(0x10FFFF), "U+10FFFF");
    }

} // namespace
} // namespace tessellon
