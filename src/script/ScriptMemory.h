#pragma once

#include "script/Opcode.h"
#include "script/ScriptLimits.h"
#include "script/SymbolTable.h"

#include <array>
#include <cstdint>
#include <span>

namespace tessellon {

// What the compiler leaves for the machine: code area, label table, data area and symbol
// table. The code area has one slot more than a program may use; it always holds STP, so
// the machine can run off the end of any program without a bounds check.
struct ScriptMemory {
    std::array<Instruction, codeAreaSize + 1> code {};
    std::uint32_t codeCount = 0;
    std::array<std::uint32_t, labelTableSize> labels {}; // code index of each label's LAB
    std::uint32_t labelCounter = 0;
    std::array<std::uint8_t, dataAreaSize> data {};
    SymbolTable symbols;

    std::span<const Instruction> program() const { return { code.data(), codeCount }; }

    // The 32-bit word at data offset, least significant byte first; offset + 4 must lie
    // inside the data area.
    std::uint32_t loadWord(std::uint32_t offset) const
    {
        return std::uint32_t { data[offset] } | std::uint32_t { data[offset + 1] } << 8
            | std::uint32_t { data[offset + 2] } << 16 | std::uint32_t { data[offset + 3] } << 24;
    }

    void storeWord(std::uint32_t offset, std::uint32_t value)
    {
        data[offset] = static_cast<std::uint8_t>(value);
        data[offset + 1] = static_cast<std::uint8_t>(value >> 8);
        data[offset + 2] = static_cast<std::uint8_t>(value >> 16);
        data[offset + 3] = static_cast<std::uint8_t>(value >> 24);
    }
};

} // namespace tessellon
