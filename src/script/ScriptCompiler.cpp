#include "script/ScriptCompiler.h"

#include <algorithm>

namespace tessellon {

namespace {

    std::optional<Opcode> relationalOperator(TokenKind kind)
    {
        switch (kind) {
        case TokenKind::Less:
            return Opcode::LOW;
        case TokenKind::Greater:
            return Opcode::GRT;
        case TokenKind::LessEqual:
            return Opcode::LWE;
        case TokenKind::GreaterEqual:
            return Opcode::GTE;
        case TokenKind::Equal:
            return Opcode::EQU;
        case TokenKind::NotEqual:
            return Opcode::NEQ;
        default:
            return std::nullopt;
        }
    }

    std::optional<Opcode> additiveOperator(TokenKind kind)
    {
        switch (kind) {
        case TokenKind::Plus:
            return Opcode::ADI;
        case TokenKind::Minus:
            return Opcode::SBI;
        default:
            return std::nullopt;
        }
    }

    std::optional<Opcode> multiplicativeOperator(TokenKind kind)
    {
        switch (kind) {
        case TokenKind::Star:
            return Opcode::MPI;
        case TokenKind::Slash:
            return Opcode::DVI;
        default:
            return std::nullopt;
        }
    }

} // namespace

std::uint32_t numberTokenValue(const Token& token)
{
    const std::string_view text = token.text();
    const bool negative = !text.empty() && text.front() == '-';
    std::int64_t value = 0;
    for (char digit : text.substr(negative ? 1 : 0)) {
        value = value * 10 + (digit - '0');
        if (value > maxNumberLiteral + std::int64_t { negative }) {
            CsubError(CompileErrorCode::NumberTooLarge, text);
        }
    }
    return static_cast<std::uint32_t>(negative ? -value : value);
}

ScriptCompiler::ScriptCompiler(ScriptLexer& lexer, ScriptMemory& memory)
    : m_lexer(lexer)
    , m_memory(memory)
{
}

void ScriptCompiler::compile(std::string_view text)
{
    m_lexer.start(text);
    m_memory.symbols.reset();
    m_memory.codeCount = 0;
    m_memory.labelCounter = 0;
    m_depth = 0;
    statementList(declarations(0));
    CsubEmit(Opcode::STP, 0);
}

void ScriptCompiler::CsubEmit(Opcode op, std::uint32_t operand, std::uint8_t argCount)
{
    if (m_memory.codeCount >= codeAreaSize) {
        CsubError(CompileErrorCode::CodeAreaFull, m_lexer.lastTokenText());
    }
    m_memory.code[m_memory.codeCount++] = Instruction { op, argCount, operand };
}

std::size_t ScriptCompiler::declarations(std::size_t pos)
{
    for (;;) {
        Token token;
        const std::size_t after = next(pos, token);
        if (token.kind != TokenKind::Int) {
            return pos;
        }
        pos = declaredNames(after);
    }
}

std::size_t ScriptCompiler::declaredNames(std::size_t pos)
{
    for (;;) {
        Token token;
        pos = next(pos, token);
        if (token.kind != TokenKind::Identifier) {
            CsubError(CompileErrorCode::WrongWrite, token.text());
        }
        m_memory.symbols.CsubDeclare(token.text());
        pos = next(pos, token);
        if (token.kind == TokenKind::Semicolon) {
            return pos;
        }
        if (token.kind != TokenKind::Comma) {
            CsubError(CompileErrorCode::SemicolonExpected, token.text());
        }
    }
}

std::size_t ScriptCompiler::statementList(std::size_t pos)
{
    for (;;) {
        const std::size_t after = statement(pos);
        if (after == pos) {
            return pos;
        }
        pos = after;
    }
}

std::size_t ScriptCompiler::statement(std::size_t pos)
{
    Token token;
    const std::size_t after = next(pos, token);
    switch (token.kind) {
    case TokenKind::LeftBrace:
        return block(after, token);
    case TokenKind::For:
        return forStatement(after, token);
    default:
        break;
    }
    if (const ServiceInfo* service = serviceOfKeyword(token.kind)) {
        return service->argument == ServiceArgument::Format ? writeStatement(after, *service)
                                                            : builtinStatement(after, *service);
    }
    return expressionStatement(pos);
}

std::size_t ScriptCompiler::writeStatement(std::size_t pos, const ServiceInfo& service)
{
    pos = expect(pos, TokenKind::LeftParen, CompileErrorCode::LeftParenExpected);
    Token token;
    pos = next(pos, token);
    if (token.kind != TokenKind::String) {
        CsubError(CompileErrorCode::MissingFormatString, token.text());
    }
    CsubEmit(Opcode::MST, 0);
    CsubEmit(Opcode::LDC, placeFormat(token));
    std::uint8_t count = 0;
    pos = next(pos, token);
    if (token.kind == TokenKind::Comma) {
        pos = writeArguments(pos, count);
    } else if (token.kind != TokenKind::RightParen) {
        CsubError(CompileErrorCode::RightParenExpected, token.text());
    }
    pos = expect(pos, TokenKind::Semicolon, CompileErrorCode::SemicolonExpected);
    CsubEmit(Opcode::CAL, serviceNumber(service.service), count);
    return pos;
}

std::size_t ScriptCompiler::writeArguments(std::size_t pos, std::uint8_t& count)
{
    for (;;) {
        Token token;
        pos = next(pos, token);
        if (token.kind != TokenKind::Identifier && token.kind != TokenKind::Number) {
            CsubError(CompileErrorCode::WrongWrite, token.text());
        }
        if (count == maxWriteArguments) {
            CsubError(CompileErrorCode::TooManyWriteArguments, token.text());
        }
        emitValue(token);
        ++count;
        pos = next(pos, token);
        if (token.kind == TokenKind::RightParen) {
            return pos;
        }
        if (token.kind != TokenKind::Comma) {
            CsubError(CompileErrorCode::WrongWrite, token.text());
        }
    }
}

std::size_t ScriptCompiler::block(std::size_t pos, const Token& brace)
{
    enter(brace);
    pos = statementList(pos);
    pos = expect(pos, TokenKind::RightBrace, CompileErrorCode::RightBraceExpected);
    leave();
    return pos;
}

std::size_t ScriptCompiler::builtinStatement(std::size_t pos, const ServiceInfo& service)
{
    pos = expect(pos, TokenKind::LeftParen, CompileErrorCode::LeftParenExpected);
    if (service.argument == ServiceArgument::None) {
        return builtinWithoutArgument(pos, service);
    }
    Token token;
    pos = next(pos, token);
    if (token.kind != TokenKind::Identifier) {
        CsubError(CompileErrorCode::WrongPutItem, token.text());
    }
    const std::uint32_t symbol = m_memory.symbols.CsubLookup(token.text());
    CsubEmit(Opcode::MST, 0);
    CsubEmit(Opcode::LOD, symbol);
    pos = expect(pos, TokenKind::RightParen, CompileErrorCode::WrongPutItem);
    pos = expect(pos, TokenKind::Semicolon, CompileErrorCode::SemicolonExpected);
    CsubEmit(Opcode::CAL, serviceNumber(service.service));
    return pos;
}

// name ( ) ; after the opening parenthesis.
std::size_t ScriptCompiler::builtinWithoutArgument(std::size_t pos, const ServiceInfo& service)
{
    pos = expect(pos, TokenKind::RightParen, CompileErrorCode::WrongPutItem);
    pos = expect(pos, TokenKind::Semicolon, CompileErrorCode::SemicolonExpected);
    CsubEmit(Opcode::MST, 0);
    CsubEmit(Opcode::CAL, serviceNumber(service.service));
    return pos;
}

// Labels first+0 .. first+3: test, step, body, exit.
std::size_t ScriptCompiler::forStatement(std::size_t pos, const Token& forToken)
{
    const std::uint32_t first = takeLabels(forToken);
    pos = expect(pos, TokenKind::LeftParen, CompileErrorCode::LeftParenExpected);
    pos = assignment(pos);
    pos = expect(pos, TokenKind::Semicolon, CompileErrorCode::SemicolonExpected);
    placeLabel(first);
    pos = comparison(pos);
    CsubEmit(Opcode::FJP, first + 3);
    CsubEmit(Opcode::UJP, first + 2);
    pos = expect(pos, TokenKind::Semicolon, CompileErrorCode::SemicolonExpected);
    placeLabel(first + 1);
    pos = assignment(pos);
    CsubEmit(Opcode::UJP, first);
    pos = expect(pos, TokenKind::RightParen, CompileErrorCode::RightParenExpected);
    placeLabel(first + 2);
    pos = forBody(pos, forToken);
    CsubEmit(Opcode::UJP, first + 1);
    placeLabel(first + 3);
    return pos;
}

std::size_t ScriptCompiler::forBody(std::size_t pos, const Token& forToken)
{
    enter(forToken);
    pos = statement(pos);
    leave();
    return pos;
}

std::size_t ScriptCompiler::expressionStatement(std::size_t pos)
{
    const std::size_t after = assignment(pos);
    Token token;
    if (after == pos) {
        const std::size_t afterToken = next(pos, token);
        return token.kind == TokenKind::Semicolon ? afterToken : pos;
    }
    return expect(after, TokenKind::Semicolon, CompileErrorCode::SemicolonExpected);
}

std::size_t ScriptCompiler::assignment(std::size_t pos)
{
    Token name;
    const std::size_t afterName = next(pos, name);
    if (name.kind != TokenKind::Identifier) {
        return comparison(pos);
    }
    const std::uint32_t symbol = m_memory.symbols.CsubLookup(name.text());
    Token op;
    const std::size_t afterOp = next(afterName, op);
    switch (op.kind) {
    case TokenKind::Assign: {
        CsubEmit(Opcode::LDA, symbol);
        const std::size_t end = additive(afterOp);
        if (end == afterOp) {
            CsubError(CompileErrorCode::WrongExpression, op.text());
        }
        CsubEmit(Opcode::STO, 0);
        return end;
    }
    case TokenKind::PlusPlus:
        emitStep(symbol, Opcode::ADI);
        return afterOp;
    case TokenKind::MinusMinus:
        emitStep(symbol, Opcode::SBI);
        return afterOp;
    default:
        return comparison(pos);
    }
}

std::size_t ScriptCompiler::comparison(std::size_t pos)
{
    return binaryLevel(pos, &ScriptCompiler::additive, relationalOperator);
}

std::size_t ScriptCompiler::additive(std::size_t pos)
{
    return binaryLevel(pos, &ScriptCompiler::term, additiveOperator);
}

std::size_t ScriptCompiler::term(std::size_t pos)
{
    return binaryLevel(pos, &ScriptCompiler::factor, multiplicativeOperator);
}

// operand { operator operand }, left to right, the operator's instruction after each right
// operand.
std::size_t ScriptCompiler::binaryLevel(std::size_t pos, Rule operand, OperatorOf operatorOf)
{
    std::size_t end = (this->*operand)(pos);
    if (end == pos) {
        return pos;
    }
    for (;;) {
        Token op;
        const std::size_t afterOp = next(end, op);
        const auto instruction = operatorOf(op.kind);
        if (!instruction) {
            return end;
        }
        const std::size_t afterRight = (this->*operand)(afterOp);
        if (afterRight == afterOp) {
            CsubError(CompileErrorCode::WrongExpression, op.text());
        }
        CsubEmit(*instruction, 0);
        end = afterRight;
    }
}

std::size_t ScriptCompiler::factor(std::size_t pos)
{
    Token token;
    const std::size_t after = next(pos, token);
    if (const ServiceInfo* service = serviceOfKeyword(token.kind); service && service->givesValue) {
        return serviceFactor(after, *service);
    }
    switch (token.kind) {
    case TokenKind::Identifier:
    case TokenKind::Number:
        emitValue(token);
        return after;
    case TokenKind::LeftParen:
        return parenthesised(after, token);
    default:
        return pos;
    }
}

std::size_t ScriptCompiler::serviceFactor(std::size_t pos, const ServiceInfo& service)
{
    pos = expect(pos, TokenKind::LeftParen, CompileErrorCode::LeftParenExpected);
    CsubEmit(Opcode::MST, 0);
    Token argument;
    pos = next(pos, argument);
    if (argument.kind != TokenKind::Identifier && argument.kind != TokenKind::Number) {
        CsubError(CompileErrorCode::WrongGetUnicode, argument.text());
    }
    emitValue(argument);
    pos = expect(pos, TokenKind::RightParen, CompileErrorCode::RightParenExpected);
    CsubEmit(Opcode::CAL, serviceNumber(service.service));
    return pos;
}

// An assignment inside the parentheses is accepted: it stores and pushes nothing.
std::size_t ScriptCompiler::parenthesised(std::size_t pos, const Token& paren)
{
    enter(paren);
    const std::size_t end = assignment(pos);
    if (end == pos) {
        CsubError(CompileErrorCode::WrongExpression, paren.text());
    }
    const std::size_t after
        = expect(end, TokenKind::RightParen, CompileErrorCode::RightParenExpected);
    leave();
    return after;
}

std::size_t ScriptCompiler::expect(std::size_t pos, TokenKind kind, CompileErrorCode error)
{
    Token token;
    pos = next(pos, token);
    if (token.kind != kind) {
        CsubError(error, token.text());
    }
    return pos;
}

void ScriptCompiler::emitValue(const Token& token)
{
    if (token.kind == TokenKind::Identifier) {
        CsubEmit(Opcode::LOD, m_memory.symbols.CsubLookup(token.text()));
    } else {
        CsubEmit(Opcode::LDC, numberTokenValue(token));
    }
}

void ScriptCompiler::emitStep(std::uint32_t symbol, Opcode op)
{
    CsubEmit(Opcode::LDA, symbol);
    CsubEmit(Opcode::LOD, symbol);
    CsubEmit(Opcode::LDC, 1);
    CsubEmit(op, 0);
    CsubEmit(Opcode::STO, 0);
}

// Copies the literal and its terminating NUL to the data area; returns its offset.
std::uint32_t ScriptCompiler::placeFormat(const Token& literal)
{
    const std::string_view text = literal.text();
    const std::uint32_t size = static_cast<std::uint32_t>(text.size()) + 1;
    const std::uint32_t offset = m_memory.symbols.allocateData(size, text);
    std::copy(text.begin(), text.end(), m_memory.data.begin() + offset);
    m_memory.data[offset + size - 1] = 0;
    return offset;
}

std::uint32_t ScriptCompiler::takeLabels(const Token& forToken)
{
    if (m_memory.labelCounter + labelsPerFor > labelTableSize) {
        CsubError(CompileErrorCode::TooManyLoops, forToken.text());
    }
    const std::uint32_t first = m_memory.labelCounter;
    m_memory.labelCounter += labelsPerFor;
    return first;
}

void ScriptCompiler::placeLabel(std::uint32_t label)
{
    m_memory.labels[label] = m_memory.codeCount;
    CsubEmit(Opcode::LAB, label);
}

void ScriptCompiler::enter(const Token& opener)
{
    if (m_depth == maxNestingDepth) {
        CsubError(CompileErrorCode::NestingTooDeep, opener.text());
    }
    ++m_depth;
}

} // namespace tessellon
