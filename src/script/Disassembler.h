#pragma once

#include "script/Opcode.h"

#include <cstdint>
#include <span>
#include <string>

namespace tessellon {

// "index MNEMONIC operand", e.g. "3 LAB 0"; opcodes without a name show as "OP<code>".
std::string disassembleInstruction(std::uint32_t index, const Instruction& instruction);

// One line per instruction, each ended by '\n'.
std::string disassemble(std::span<const Instruction> code);

} // namespace tessellon
