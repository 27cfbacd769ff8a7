#include "script/Disassembler.h"

#include "script/Service.h"

namespace tessellon {

namespace {

    std::string symbolText(std::uint32_t symbol, const SymbolTable& symbols)
    {
        if (symbol < symbols.count()) {
            return std::string(symbols.entry(symbol).nameText());
        }
        return '#' + std::to_string(symbol);
    }

    std::string serviceText(std::uint32_t number)
    {
        const ServiceInfo* service = serviceInfo(number);
        return service ? std::string(service->name) : std::to_string(number);
    }

    // Empty for an operand that means nothing and holds 0, as the compiler emits it.
    std::string operandText(OperandKind kind, std::uint32_t operand, const SymbolTable& symbols)
    {
        switch (kind) {
        case OperandKind::Symbol:
            return symbolText(operand, symbols);
        case OperandKind::Label:
            return 'L' + std::to_string(operand);
        case OperandKind::Service:
            return serviceText(operand);
        case OperandKind::Value:
            return std::to_string(operand);
        case OperandKind::None:
            break;
        }
        return operand == 0 ? std::string() : std::to_string(operand);
    }

} // namespace

std::string disassembleInstruction(
    std::uint32_t index, const Instruction& instruction, const SymbolTable& symbols)
{
    const auto code = static_cast<std::uint8_t>(instruction.op);
    std::string line = std::to_string(index) + ' ';
    const auto info = opcodeInfo(code);
    if (!info) {
        return line + "OP" + std::to_string(code) + ' ' + std::to_string(instruction.operand);
    }
    line += info->name;
    const std::string operand = operandText(info->operand, instruction.operand, symbols);
    if (!operand.empty()) {
        line += ' ' + operand;
    }
    return line;
}

std::string disassemble(std::span<const Instruction> code, const SymbolTable& symbols)
{
    std::string listing;
    for (std::uint32_t index = 0; index < code.size(); ++index) {
        listing += disassembleInstruction(index, code[index], symbols);
        listing += '\n';
    }
    return listing;
}

} // namespace tessellon
