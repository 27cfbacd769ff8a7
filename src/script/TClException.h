#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessellon {

// Compile error codes. 1 to 14 are the language's own; the codes above 14 guard the
// fixed tables and the recursion of the compiler.
enum class CompileErrorCode : std::int32_t {
    LeftParenExpected = 1,
    RightParenExpected = 2,
    LeftBraceExpected = 3,
    RightBraceExpected = 4,
    SemicolonExpected = 5,
    CommaExpected = 6,
    MissingFormatString = 7,
    WrongWrite = 8,
    WrongExpression = 9,
    WrongDeclaration = 10,
    WrongFor = 11,
    WrongPutItem = 12,
    WrongGetUnicode = 13,
    UnknownSymbol = 14,
    TokenTooLong = 15,
    NameTooLong = 16,
    NumberTooLarge = 17,
    NestingTooDeep = 18,
    CodeAreaFull = 19,
    DataAreaFull = 20,
    TooManyLoops = 21,
    TooManyVariables = 22,
    TooManyWriteArguments = 23,
};

// The message of an error code, "" for a code outside the table.
std::string_view compileErrorMessage(std::int32_t code);

// "Line n: [En] message "token"".
std::string compileErrorLine(int line, std::int32_t code, std::string_view token);

// Carries a compile error from where it is found to CsubCompile; never leaves the unit.
class TClException {
public:
    TClException(std::int32_t code, std::string token)
        : m_code(code)
        , m_token(std::move(token))
    {
    }

    std::int32_t code() const { return m_code; }
    const std::string& token() const { return m_token; }

private:
    std::int32_t m_code;
    std::string m_token;
};

[[noreturn]] void CsubError(CompileErrorCode code, std::string_view token);

} // namespace tessellon
