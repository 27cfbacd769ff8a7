#pragma once

#include "script/ScriptLimits.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace tessellon {

// Lays one glyph's item at the start of itemBuffer (never past its end) and returns the
// number of bytes placed. index is the value the script passed, unchecked.
using TPutItemFunc = std::function<std::int32_t(std::span<std::uint8_t> itemBuffer,
    std::uint32_t index, std::int32_t zip, std::int32_t bin, std::int32_t col)>;
using TGetUnicodeFunc = std::function<std::uint16_t(std::uint32_t index)>;

// CsubOutput's destination: one call per line, in order.
using LineSink = std::function<void(const std::string& line)>;

} // namespace tessellon
