#pragma once

#include "script/Opcode.h"
#include "script/SymbolTable.h"

#include <cstdint>
#include <span>
#include <string>

namespace tessellon {

// "index MNEMONIC operand" with the operand by its meaning: a variable's name ("4 LOD i"),
// a label ("7 FJP L3"), a service's name ("20 CAL WRITE"), a value ("1 LDC 0"), or nothing
// ("2 STO"). A symbol index without an entry shows as "#index", a service number without a
// service as the number, an opcode without a name as "OP<code> operand".
std::string disassembleInstruction(
    std::uint32_t index, const Instruction& instruction, const SymbolTable& symbols);

// One line per instruction, each ended by '\n'.
std::string disassemble(std::span<const Instruction> code, const SymbolTable& symbols);

} // namespace tessellon
