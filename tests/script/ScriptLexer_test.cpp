#include "script/ScriptLexer.h"
#include "script/TClException.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace tessellon;

namespace {

using Lexed = std::vector<std::pair<TokenKind, std::string>>;

// Every token up to and including end of text.
Lexed lex(ScriptLexer& lexer, std::string_view text)
{
    lexer.start(text);
    Lexed tokens;
    std::size_t pos = 0;
    Token token;
    do {
        pos = lexer.CsubNextToken(pos, token);
        tokens.emplace_back(token.kind, std::string(token.text()));
    } while (token.kind != TokenKind::End);
    return tokens;
}

Lexed lex(std::string_view text)
{
    ScriptLexer lexer;
    return lex(lexer, text);
}

std::vector<TokenKind> kinds(std::string_view text)
{
    std::vector<TokenKind> result;
    for (const auto& token : lex(text)) {
        result.push_back(token.first);
    }
    return result;
}

struct LexError {
    int code = 0;
    std::string token;
    int line = 0;
};

LexError lexError(std::string_view text)
{
    ScriptLexer lexer;
    try {
        lex(lexer, text);
    } catch (const TClException& error) {
        return { error.code(), error.token(), lexer.errorLine() };
    }
    return {};
}

using K = TokenKind;

} // namespace

TEST(ScriptLexer, TwoCharacterOperatorsNeedAdjacentCharacters)
{
    EXPECT_EQ(kinds("a<=b"), (std::vector { K::Identifier, K::LessEqual, K::Identifier, K::End }));
    EXPECT_EQ(
        kinds("a< =b"), (std::vector { K::Identifier, K::Less, K::Assign, K::Identifier, K::End }));
    EXPECT_EQ(kinds("i++;"), (std::vector { K::Identifier, K::PlusPlus, K::Semicolon, K::End }));
    EXPECT_EQ(
        kinds("i+ +;"), (std::vector { K::Identifier, K::Plus, K::Plus, K::Semicolon, K::End }));
    EXPECT_EQ(
        kinds("a+=1"), (std::vector { K::Identifier, K::Plus, K::Assign, K::Number, K::End }));
}

TEST(ScriptLexer, EveryOperatorAndItsText)
{
    const Lexed expected = {
        { K::Plus, "+" },
        { K::Minus, "-" },
        { K::Star, "*" },
        { K::Slash, "/" },
        { K::LeftParen, "(" },
        { K::RightParen, ")" },
        { K::LeftBracket, "[" },
        { K::RightBracket, "]" },
        { K::LeftBrace, "{" },
        { K::RightBrace, "}" },
        { K::Assign, "=" },
        { K::Less, "<" },
        { K::Greater, ">" },
        { K::Semicolon, ";" },
        { K::Comma, "," },
        { K::Equal, "==" },
        { K::LessEqual, "<=" },
        { K::GreaterEqual, ">=" },
        { K::NotEqual, "!=" },
        { K::PlusPlus, "++" },
        { K::MinusMinus, "--" },
        { K::End, "" },
    };
    EXPECT_EQ(lex("+ - * / ( ) [ ] { } = < > ; , == <= >= != ++ --"), expected);
}

TEST(ScriptLexer, TokenKindCodes)
{
    EXPECT_EQ(static_cast<int>(K::GetUnicode), 0x0C);
    EXPECT_EQ(static_cast<int>(K::String), 0x30);
    EXPECT_EQ(static_cast<int>(K::Number), 0x31);
    EXPECT_EQ(static_cast<int>(K::MinusMinus), 0x74);
    EXPECT_EQ(static_cast<int>(K::End), 0xFF);
}

TEST(ScriptLexer, KeywordsAreCaseSensitiveWholeWords)
{
    const Lexed expected = {
        { K::Int, "int" },
        { K::For, "for" },
        { K::Do, "do" },
        { K::While, "while" },
        { K::Write, "WRITE" },
        { K::PutItem, "PUTITEM" },
        { K::PutItemZip, "PUTITEMZIP" },
        { K::PutItemBin, "PUTITEMBIN" },
        { K::PutItemZipBin, "PUTITEMZIPBIN" },
        { K::PutItemCol, "PUTITEMCOL" },
        { K::PutItemColBin, "PUTITEMCOLBIN" },
        { K::GetUnicode, "GETUNICODE" },
        { K::Identifier, "write" },
        { K::Identifier, "Write" },
        { K::Identifier, "INT" },
        { K::Identifier, "integer" },
        { K::Identifier, "_for2" },
        { K::Identifier, "PUTITEMS" },
        { K::End, "" },
    };
    EXPECT_EQ(lex("int for do while WRITE PUTITEM PUTITEMZIP PUTITEMBIN PUTITEMZIPBIN "
                  "PUTITEMCOL PUTITEMCOLBIN GETUNICODE write Write INT integer _for2 PUTITEMS"),
        expected);
}

TEST(ScriptLexer, StringEscapes)
{
    EXPECT_EQ(lex(R"("a\tb")").front(), std::make_pair(K::String, std::string("atb")));
    EXPECT_EQ(lex(R"("x\n")").front(), std::make_pair(K::String, std::string("x\r\n")));
    EXPECT_EQ(lex(R"("")").front(), std::make_pair(K::String, std::string()));
    EXPECT_EQ(lex(R"("q\"q\\")").front(), std::make_pair(K::String, std::string("q\"q\\")));
    // Line ends inside a literal are taken as they stand.
    EXPECT_EQ(lex("\"a\r\nb\"").front(), std::make_pair(K::String, std::string("a\r\nb")));
}

TEST(ScriptLexer, AdjacentLiteralsAreSeparateTokens)
{
    const Lexed expected = { { K::String, "a" }, { K::String, "b" }, { K::End, "" } };
    EXPECT_EQ(lex(R"("a""b")"), expected);
}

TEST(ScriptLexer, UnclosedLiteralIsEndOfTextWithItsCharacters)
{
    ScriptLexer lexer;
    lexer.start("\"abc");
    Token token;
    const std::size_t pos = lexer.CsubNextToken(0, token);
    EXPECT_EQ(token.kind, K::End);
    EXPECT_EQ(token.text(), "abc");
    EXPECT_EQ(pos, 4u);
    EXPECT_EQ(lexer.CsubNextToken(pos, token), 4u);
    EXPECT_EQ(token.kind, K::End);
    EXPECT_EQ(token.text(), "");

    EXPECT_EQ(lex("\"ab\\").front(), std::make_pair(K::End, std::string("ab")));
}

TEST(ScriptLexer, FontNumberBecomesTheGlyphCount)
{
    ScriptLexer lexer;
    lexer.setFontNumber(300);
    const Lexed expected = { { K::Identifier, "x" }, { K::Less, "<" }, { K::Number, "300" },
        { K::Identifier, "FONT_NUMBERS" }, { K::End, "" } };
    EXPECT_EQ(lex(lexer, "x<FONT_NUMBER FONT_NUMBERS"), expected);
}

TEST(ScriptLexer, NumbersAreDecimalDigitsOnly)
{
    const Lexed expected = { { K::Number, "12" }, { K::Identifier, "ab" }, { K::Number, "0" },
        { K::Identifier, "x10" }, { K::Number, "007" }, { K::End, "" } };
    EXPECT_EQ(lex("12ab 0x10 007"), expected);
}

TEST(ScriptLexer, Comments)
{
    EXPECT_EQ(lex("/* a */b"), (Lexed { { K::Identifier, "b" }, { K::End, "" } }));
    EXPECT_EQ(lex("/**/"), (Lexed { { K::End, "" } }));
    EXPECT_EQ(lex("/**/x/***/"), (Lexed { { K::Identifier, "x" }, { K::End, "" } }));
    EXPECT_EQ(lex("a /* never closed\r\n b c"), (Lexed { { K::Identifier, "a" }, { K::End, "" } }));
    EXPECT_EQ(lex("a // note"), (Lexed { { K::Identifier, "a" }, { K::End, "" } }));
    EXPECT_EQ(lex("a // note\r\nb"),
        (Lexed { { K::Identifier, "a" }, { K::Identifier, "b" }, { K::End, "" } }));
    EXPECT_EQ(lex("a // note\nb"),
        (Lexed { { K::Identifier, "a" }, { K::Identifier, "b" }, { K::End, "" } }));
    // Comments do not nest: the first */ ends the comment.
    EXPECT_EQ(lex("/* /* */ x */"),
        (Lexed { { K::Identifier, "x" }, { K::Star, "*" }, { K::Slash, "/" }, { K::End, "" } }));
}

TEST(ScriptLexer, IdentifierAtTheEndIsReadWholeThenEndForever)
{
    ScriptLexer lexer;
    lexer.start("  name");
    Token token;
    std::size_t pos = lexer.CsubNextToken(0, token);
    EXPECT_EQ(token.kind, K::Identifier);
    EXPECT_EQ(token.text(), "name");
    for (int i = 0; i < 3; ++i) {
        pos = lexer.CsubNextToken(pos, token);
        EXPECT_EQ(token.kind, K::End);
        EXPECT_EQ(pos, 6u);
    }
}

TEST(ScriptLexer, TextEndsAtItsFirstNul)
{
    EXPECT_EQ(lex(std::string_view("a\0b", 3)), (Lexed { { K::Identifier, "a" }, { K::End, "" } }));
}

TEST(ScriptLexer, ReadingAgainFromASavedPositionGivesTheSameToken)
{
    ScriptLexer lexer;
    lexer.start("abc <= 5");
    Token first;
    Token second;
    const std::size_t saved = lexer.CsubNextToken(0, first);
    const std::size_t after = lexer.CsubNextToken(saved, first);
    EXPECT_EQ(lexer.CsubNextToken(saved, second), after);
    EXPECT_EQ(second.kind, K::LessEqual);
    EXPECT_EQ(second.text(), first.text());
}

TEST(ScriptLexer, ErrorPositionFollowsTheLastTokenRead)
{
    ScriptLexer lexer;
    lexer.start("a\nb\r\n\r\nc");
    EXPECT_EQ(lexer.errorLine(), 1);
    Token token;
    std::size_t pos = lexer.CsubNextToken(0, token);
    EXPECT_EQ(lexer.errorLine(), 1);
    pos = lexer.CsubNextToken(pos, token);
    EXPECT_EQ(lexer.errorLine(), 2);
    const std::size_t beforeC = pos;
    pos = lexer.CsubNextToken(pos, token);
    EXPECT_EQ(lexer.errorLine(), 4);
    lexer.CsubNextToken(0, token);
    EXPECT_EQ(lexer.errorLine(), 1);
    lexer.CsubNextToken(beforeC, token);
    EXPECT_EQ(token.text(), "c");
    EXPECT_EQ(lexer.errorLine(), 4);
}

TEST(ScriptLexer, BadCharacterOnTheFirstLine)
{
    const LexError error = lexError("#include");
    EXPECT_EQ(error.code, 14);
    EXPECT_EQ(error.token, "#");
    EXPECT_EQ(error.line, 1);
}

TEST(ScriptLexer, BadCharacterIsReportedOnItsOwnLine)
{
    const LexError error = lexError("int x;\r\nx = 1;\r\nx = 3 $ 4;\r\n");
    EXPECT_EQ(error.code, 14);
    EXPECT_EQ(error.token, "$");
    EXPECT_EQ(error.line, 3);
}

TEST(ScriptLexer, LoneExclamationMarkIsBad)
{
    const LexError error = lexError("a !b");
    EXPECT_EQ(error.code, 14);
    EXPECT_EQ(error.token, "!");
}

TEST(ScriptLexer, EveryOtherCharacterIsBad)
{
    for (const char c : std::string("#$%&'.:?@\\^`|~\x01\x7f\x80\xff")) {
        const LexError error = lexError(std::string("x ") + c);
        EXPECT_EQ(error.code, 14) << int(static_cast<unsigned char>(c));
        EXPECT_EQ(error.token, std::string(1, c));
    }
}

TEST(ScriptLexer, TokensOfExactly127CharactersAreRead)
{
    const std::string name(127, 'n');
    EXPECT_EQ(lex(name).front(), std::make_pair(K::Identifier, name));
    const std::string text(127, 's');
    EXPECT_EQ(lex('"' + text + '"').front(), std::make_pair(K::String, text));
}

TEST(ScriptLexer, LongerTokensAreErrorsOnTheLineWhereTheyStart)
{
    const std::string literal = "\"" + std::string(100, 'a') + "\r\n" + std::string(30, 'b') + "\"";
    const LexError error = lexError("x\r\n" + literal);
    EXPECT_EQ(error.code, 15);
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.token.size(), 127u);

    EXPECT_EQ(lexError(std::string(128, 'n')).code, 15);
    EXPECT_EQ(lexError(std::string(200, '7')).code, 15);
    // "\n" counts as the two characters it becomes.
    std::string escapes = "\"";
    for (int i = 0; i < 64; ++i) {
        escapes += "\\n";
    }
    EXPECT_EQ(lexError(escapes + "\"").code, 15);
}
