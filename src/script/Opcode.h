#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessellon {

enum class Opcode : std::uint8_t {
    STP = 0,
    LDA = 1,
    LDC = 2,
    LOD = 3,
    MPI = 4,
    DVI = 5,
    SBI = 6,
    ADI = 7,
    STO = 8,
    STN = 9,
    GRT = 10,
    LOW = 11,
    GTE = 12,
    LWE = 13,
    EQU = 14,
    NEQ = 15,
    LAB = 16,
    FJP = 17,
    UJP = 18,
    MST = 19,
    ENT = 20,
    RET = 21,
    CAL = 22,
};

inline constexpr int opcodeCount = 23;

// One instruction of the code area. argCount is not part of the operand: the compiler
// notes there how many arguments a WRITE call (CAL 0) has, so that the machine can take
// them without searching the stack for the mark.
struct Instruction {
    Opcode op = Opcode::STP;
    std::uint8_t argCount = 0;
    std::uint32_t operand = 0;

    bool operator==(const Instruction&) const = default;
};

// What an operand means: nothing, a symbol index, a value, a label number or a service
// number (Service.h).
enum class OperandKind : std::uint8_t { None, Symbol, Value, Label, Service };

inline constexpr int variableStackEffect = -1;

struct OpcodeInfo {
    Opcode op;
    std::string_view name;
    OperandKind operand;
    int pops; // variableStackEffect where the service decides
    int pushes;
    std::string_view doc;
};

// Description of an opcode, none for the codes 23 to 255.
std::optional<OpcodeInfo> opcodeInfo(std::uint8_t code);
std::optional<Opcode> opcodeByName(std::string_view name);

} // namespace tessellon
