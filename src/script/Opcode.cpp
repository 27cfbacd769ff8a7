#include "script/Opcode.h"

#include <array>

namespace tessellon {

namespace {

    using K = OperandKind;
    constexpr int any = variableStackEffect;

    constexpr std::array<OpcodeInfo, opcodeCount> table = { {
        { Opcode::STP, "STP", K::None, 0, 0, "stop the run" },
        { Opcode::LDA, "LDA", K::Symbol, 0, 1, "push the data offset of the variable" },
        { Opcode::LDC, "LDC", K::Value, 0, 1, "push the operand" },
        { Opcode::LOD, "LOD", K::Symbol, 0, 1, "push the word stored in the variable" },
        { Opcode::MPI, "MPI", K::None, 2, 1, "pop b, pop a, push a * b (low 32 bits)" },
        { Opcode::DVI, "DVI", K::None, 2, 1,
            "pop b, pop a, push a / b unsigned; b = 0: run error" },
        { Opcode::SBI, "SBI", K::None, 2, 1, "pop b, pop a, push a - b (wrapping)" },
        { Opcode::ADI, "ADI", K::None, 2, 1, "pop b, pop a, push a + b (wrapping)" },
        { Opcode::STO, "STO", K::None, 2, 0, "pop v, pop d, store v at data offset d" },
        { Opcode::STN, "STN", K::None, 2, 1, "pop v, pop d, store v at data offset d, push v" },
        { Opcode::GRT, "GRT", K::None, 2, 1, "pop b, pop a, push a > b (unsigned)" },
        { Opcode::LOW, "LOW", K::None, 2, 1, "pop b, pop a, push a < b (unsigned)" },
        { Opcode::GTE, "GTE", K::None, 2, 1, "pop b, pop a, push a >= b (unsigned)" },
        { Opcode::LWE, "LWE", K::None, 2, 1, "pop b, pop a, push a <= b (unsigned)" },
        { Opcode::EQU, "EQU", K::None, 2, 1, "pop b, pop a, push a == b" },
        { Opcode::NEQ, "NEQ", K::None, 2, 1, "pop b, pop a, push a != b" },
        { Opcode::LAB, "LAB", K::Label, 0, 0, "mark a jump target" },
        { Opcode::FJP, "FJP", K::Label, 1, 0, "pop v, jump to the label when v = 0" },
        { Opcode::UJP, "UJP", K::Label, 0, 0, "jump to the label" },
        { Opcode::MST, "MST", K::None, 0, 1, "push the mark that opens a built-in's arguments" },
        { Opcode::ENT, "ENT", K::None, 0, 0, "nothing" },
        { Opcode::RET, "RET", K::None, 0, 0, "nothing" },
        { Opcode::CAL, "CAL", K::Service, any, any, "run the built-in service" },
    } };

} // namespace

std::optional<OpcodeInfo> opcodeInfo(std::uint8_t code)
{
    if (code >= table.size()) {
        return std::nullopt;
    }
    return table[code];
}

std::optional<Opcode> opcodeByName(std::string_view name)
{
    for (const OpcodeInfo& info : table) {
        if (info.name == name) {
            return info.op;
        }
    }
    return std::nullopt;
}

} // namespace tessellon
