#include "script/TClException.h"

#include <array>

namespace tessellon {

namespace {

    constexpr std::array<std::string_view, 24> messages = {
        "",
        "( expected",
        ") expected",
        "{ expected",
        "} expected",
        "; expected",
        ", expected",
        "Miss fmtstring in WRITE",
        "Wrong WRITE",
        "Wrong expression",
        "Wrong var delare",
        "Wrong for stmt",
        "Wrong putitem stmt",
        "Wrong getunicode stmt",
        "Unknow symple",
        "Token too long (at most 127 characters)",
        "Name too long (at most 15 characters)",
        "Number too large (at most 2147483647)",
        "Nesting too deep (at most 64 levels)",
        "Program too long (at most 1024 instructions)",
        "Data area full (at most 1024 bytes of variables and WRITE formats)",
        "Too many for stmts (at most 25)",
        "Too many variables (at most 100)",
        "Too many WRITE arguments (at most 8)",
    };

} // namespace

std::string_view compileErrorMessage(std::int32_t code)
{
    if (code < 0 || static_cast<std::size_t>(code) >= messages.size()) {
        return {};
    }
    return messages[static_cast<std::size_t>(code)];
}

std::string compileErrorLine(int line, std::int32_t code, std::string_view token)
{
    std::string text = "Line " + std::to_string(line) + ": [E" + std::to_string(code) + "] ";
    text += compileErrorMessage(code);
    text += " \"";
    text += token;
    text += '"';
    return text;
}

void CsubError(CompileErrorCode code, std::string_view token)
{
    throw TClException(static_cast<std::int32_t>(code), std::string(token));
}

} // namespace tessellon
