#pragma once

#include <cstddef>
#include <cstdint>

namespace tessellon {

// Fixed sizes of the script unit's tables. Nothing in the unit grows past them: the
// compiler reports a full table as an error and the machine checks every access.
inline constexpr std::size_t codeAreaSize = 1024; // instructions
inline constexpr std::size_t dataAreaSize = 1024; // bytes
inline constexpr std::size_t labelTableSize = 100;
// Each for statement takes four labels: test, step, body and exit.
inline constexpr std::size_t labelsPerFor = 4;
inline constexpr std::size_t maxForStatements = labelTableSize / labelsPerFor;
inline constexpr std::size_t symbolTableSize = 100;
inline constexpr std::size_t stackSize = 1024; // 32-bit slots
inline constexpr std::size_t itemBufferSize = 102400;

inline constexpr std::size_t tokenTextCapacity = 127;
inline constexpr std::size_t nameCapacity = 15;
// Number literals are 32-bit words read as signed decimals; write 0 - n for negatives.
inline constexpr std::int64_t maxNumberLiteral = 2147483647;
// Blocks, for bodies and parentheses nested deeper than this are refused, so that the
// recursive descent stays far from the end of the thread's stack.
inline constexpr int maxNestingDepth = 64;

inline constexpr std::size_t maxWriteArguments = 8;
inline constexpr std::size_t writeTextCapacity = 4095; // characters of one WRITE

// MST pushes it to open the argument list of a built-in.
inline constexpr std::uint32_t markValue = 0xFFFFFFFFu;

// CsubRun asks its stop check once per this many instructions.
inline constexpr std::uint32_t stopPollInterval = 4096;

} // namespace tessellon
