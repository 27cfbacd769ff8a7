#include "script/TClException.h"

#include "script/ScriptLimits.h"

#include <array>

namespace tessellon {

namespace {

    std::string atMost(std::size_t limit, std::string_view what)
    {
        std::string text = "(at most " + std::to_string(limit);
        if (!what.empty()) {
            text += ' ';
            text += what;
        }
        return text + ')';
    }

    // Codes 15 to 23 name the limit they guard, as ScriptLimits.h sets it.
    std::array<std::string, 24> makeMessages()
    {
        return {
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
            "Token too long " + atMost(tokenTextCapacity, "characters"),
            "Name too long " + atMost(nameCapacity, "characters"),
            "Number too large " + atMost(maxNumberLiteral, ""),
            "Nesting too deep " + atMost(maxNestingDepth, "levels"),
            "Program too long " + atMost(codeAreaSize, "instructions"),
            "Data area full " + atMost(dataAreaSize, "bytes of variables and WRITE formats"),
            "Too many for stmts " + atMost(maxForStatements, ""),
            "Too many variables " + atMost(symbolTableSize, ""),
            "Too many WRITE arguments " + atMost(maxWriteArguments, ""),
        };
    }

} // namespace

std::string_view compileErrorMessage(std::int32_t code)
{
    static const std::array<std::string, 24> messages = makeMessages();
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
