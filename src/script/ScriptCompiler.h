#pragma once

#include "script/Opcode.h"
#include "script/ScriptLexer.h"
#include "script/ScriptMemory.h"
#include "script/Service.h"
#include "script/TClException.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tessellon {

// One-pass recursive-descent compiler from script text to p-code. Every rule takes a text
// position and returns the position after what it recognised, or its start position when
// it recognised nothing (and then has emitted nothing). The first error raises
// TClException; compile() lets it through to its caller.
class ScriptCompiler {
public:
    ScriptCompiler(ScriptLexer& lexer, ScriptMemory& memory);

    void compile(std::string_view text);
    void CsubEmit(Opcode op, std::uint32_t operand, std::uint8_t argCount = 0);

private:
    using Rule = std::size_t (ScriptCompiler::*)(std::size_t);
    using OperatorOf = std::optional<Opcode> (*)(TokenKind);

    std::size_t declarations(std::size_t pos);
    std::size_t declaredNames(std::size_t pos);
    std::size_t statementList(std::size_t pos);
    std::size_t statement(std::size_t pos);
    std::size_t writeStatement(std::size_t pos, const ServiceInfo& service);
    std::size_t writeArguments(std::size_t pos, std::uint8_t& count);
    std::size_t block(std::size_t pos, const Token& brace);
    std::size_t builtinStatement(std::size_t pos, const ServiceInfo& service);
    std::size_t builtinWithoutArgument(std::size_t pos, const ServiceInfo& service);
    std::size_t forStatement(std::size_t pos, const Token& forToken);
    std::size_t forBody(std::size_t pos, const Token& forToken);
    std::size_t expressionStatement(std::size_t pos);

    std::size_t assignment(std::size_t pos);
    std::size_t comparison(std::size_t pos);
    std::size_t additive(std::size_t pos);
    std::size_t term(std::size_t pos);
    std::size_t binaryLevel(std::size_t pos, Rule operand, OperatorOf operatorOf);
    std::size_t factor(std::size_t pos);
    std::size_t serviceFactor(std::size_t pos, const ServiceInfo& service);
    std::size_t parenthesised(std::size_t pos, const Token& paren);

    std::size_t next(std::size_t pos, Token& token) { return m_lexer.CsubNextToken(pos, token); }
    std::size_t expect(std::size_t pos, TokenKind kind, CompileErrorCode error);
    void emitValue(const Token& token); // LOD of an identifier or LDC of a number
    void emitStep(std::uint32_t symbol, Opcode op);
    std::uint32_t placeFormat(const Token& literal);
    std::uint32_t takeLabels(const Token& forToken);
    void placeLabel(std::uint32_t label);
    void enter(const Token& opener);
    void leave() { --m_depth; }

    ScriptLexer& m_lexer;
    ScriptMemory& m_memory;
    int m_depth = 0;
};

// The value of a number token: decimal digits, or a signed decimal from FONT_NUMBER.
// Raises NumberTooLarge above maxNumberLiteral.
std::uint32_t numberTokenValue(const Token& token);

} // namespace tessellon
