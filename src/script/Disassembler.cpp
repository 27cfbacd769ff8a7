#include "script/Disassembler.h"

namespace tessellon {

std::string disassembleInstruction(std::uint32_t index, const Instruction& instruction)
{
    const auto code = static_cast<std::uint8_t>(instruction.op);
    const auto info = opcodeInfo(code);
    std::string line = std::to_string(index) + ' ';
    line += info ? std::string(info->name) : "OP" + std::to_string(code);
    line += ' ' + std::to_string(instruction.operand);
    return line;
}

std::string disassemble(std::span<const Instruction> code)
{
    std::string listing;
    for (std::uint32_t index = 0; index < code.size(); ++index) {
        listing += disassembleInstruction(index, code[index]);
        listing += '\n';
    }
    return listing;
}

} // namespace tessellon
