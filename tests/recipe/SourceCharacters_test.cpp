#include "recipe/SourceCharacters.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tessellon {
namespace {

    std::u32string scanned(std::string_view text, SourceScan scan = SourceScan::Literals)
    {
        const auto found = scanSourceText(text, scan, "main.c");
        EXPECT_TRUE(found.ok()) << found.message();
        return found ? std::u32string(found->begin(), found->end()) : U"(refused)";
    }

    // What a C compiler makes of the literals, written out: the characters each source
    // prints, ascending, controls left out.
    TEST(SourceCharacters, LiteralsGiveTheCharactersTheProgramPrints)
    {
        const struct {
            const char* source;
            std::u32string expected;
        } cases[] = {
            { R"(puts("Hello");)", U"Helo" },
            { R"(int x = 'A' + 'b';)", U"Ab" },
            { R"(puts("a\tb\n\x41\101\u00e9\U0001F600\\\"\'");)", U"\"'A\\ab\u00e9\U0001F600" },
            { "puts(\"\xE4\xB8\xAD\xE6\x96\x87\");", U"\u4E2D\u6587" },
            { R"(puts("\xE4\xB8\xAD");)", U"\u4E2D" },
            { R"(puts(u8"\u4E2D" L"\x6587" u"\x41" U"\U00004E00");)", U"A\u4E00\u4E2D\u6587" },
            { R"~(puts(R"x(a\n"b)x");)~", U"\"\\abn" },
            { R"~(puts(u8R"(c)");)~", U"c" },
            { "// \"comment\"\n/* 'x' \"y\" */ puts(\"z\");", U"z" },
            { "#include \"fontlib.h\"\n  #  include <a'b.h>\nputs(\"q\");", U"q" },
            { "#define GREETING \"Hi\"\n", U"Hi" },
            { R"(extern "C" { void f(void); } puts("C!");)", U"!C" },
            { "int n = 1'000'000; puts(\"k\");", U"k" },
            { "puts(\"open\nputs(\"w\");", U"enopw" },
            { "puts(\"one \\\ntwo\");", U" enotw" },
            { R"(x = PREFIX"p";)", U"p" },
            { R"(puts("\q\e");)", U"q" },
            { "puts(\"a\");\r\nputs(\"b\");\r\n", U"ab" },
            { "\xEF\xBB\xBFputs(\"\xEF\xBB\xBF"
              "b\");",
                U"b" },
            { "no literals at all", U"" },
        };
        for (const auto& c : cases) {
            EXPECT_EQ(scanned(c.source), c.expected) << c.source;
        }
    }

    TEST(SourceCharacters, OtherFilesGiveEveryCharacterTheyHold)
    {
        EXPECT_EQ(scanned("Menü\n\"x\" // y\t\x7F", SourceScan::WholeText), U" \"/Menxy\u00fc");
        for (const auto& [path, scan] : { std::pair { "src/main.c", SourceScan::Literals },
                 std::pair { "ui/MENU.HPP", SourceScan::Literals },
                 std::pair { "sketch.ino", SourceScan::Literals },
                 std::pair { "messages.txt", SourceScan::WholeText },
                 std::pair { "strings.json", SourceScan::WholeText },
                 std::pair { "c", SourceScan::WholeText } }) {
            EXPECT_EQ(sourceScanFor(path), scan) << path;
        }
    }

    TEST(SourceCharacters, TextThatIsNoSourceIsRefusedWithItsLine)
    {
        const struct {
            std::string source;
            const char* message;
        } cases[] = {
            { std::string("a\nb\0c", 5), "main.c:2: a NUL byte; source files must be UTF-8 text" },
            { "ok\n\nputs(\"caf\xE9\");",
                "main.c:3: the byte 0xE9, which is not UTF-8; source files must be UTF-8 text" },
            { "\xED\xA0\x80",
                "main.c:1: the byte 0xED, which is not UTF-8; source files must be "
                "UTF-8 text" },
            { "\xC0\x80",
                "main.c:1: the byte 0xC0, which is not UTF-8; source files must be UTF-8 "
                "text" },
            { "\n\nputs(\"\\xE9\");",
                "main.c:3: a literal whose escapes give bytes that are not UTF-8" },
            { "puts(\"\\x100\");", "main.c:1: an escape beyond a byte (\\x or octal above FF)" },
            { "puts(L\"\\x110000\");", "main.c:1: an escape that names no character" },
            { "puts(\"\\xg\");", "main.c:1: \\x without hexadecimal digits" },
            { "puts(\"\\u12\");", "main.c:1: \\u needs 4 hexadecimal digits" },
            { "puts(\"\\UD800\");", "main.c:1: \\U needs 8 hexadecimal digits" },
            { "puts(\"\\uD800\");", "main.c:1: \\u or \\U names no character" },
        };
        for (const auto& c : cases) {
            const auto found = scanSourceText(c.source, SourceScan::Literals, "main.c");
            EXPECT_EQ(found.message(), c.message) << c.source;
        }
    }

    TEST(SourceCharacters, FilesAreReadWholeOnlyWhenTheyAreSmallRegularFiles)
    {
        test::TempDir folder;
        test::writeText(folder.path("menu.h"), "const char* title = \"Men\xC3\xBC\";\n");
        const auto menu = readSourceCharacters(folder.path("menu.h"));
        ASSERT_TRUE(menu.ok()) << menu.message();
        EXPECT_EQ(std::u32string(menu->begin(), menu->end()), U"Men\u00fc");

        const std::string huge = folder.path("huge.c");
        std::FILE* file = std::fopen(huge.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fseek(file, static_cast<long>(maxSourceFileBytes), SEEK_SET);
        std::fputc('x', file);
        std::fclose(file);
        EXPECT_EQ(readSourceCharacters(huge).message(),
            "Cannot open file " + huge
                + ": it is larger than 16 MB, the most a source file may hold");

        const std::string fifo = folder.path("fifo.c");
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        EXPECT_EQ(readSourceCharacters(fifo).message(),
            "Cannot open file " + fifo + ": it is not a regular file");
    }

} // namespace
} // namespace tessellon
