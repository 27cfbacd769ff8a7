#pragma once

#include "document/Result.h"
#include "export/CodeOrder.h"
#include "export/ExportChoices.h"
#include "export/TargetFont.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tessellon {

// The bytes an exported font takes in the program it is built into: its glyphs' pixels,
// and its metrics and tables (glyph descriptions, code maps, structs).
struct ExportSize {
    std::uint32_t glyphs = 0;
    std::uint64_t pixelBytes = 0;
    std::uint64_t tableBytes = 0;

    std::uint64_t total() const { return pixelBytes + tableBytes; }
};

// The decimal digits of number in groups of three: "1,048,575".
std::string groupedDigits(std::uint64_t number);

// "95 glyphs: 1,154 bytes (pixels 912, metrics and tables 242)".
std::string sizeReportText(const ExportSize& size);

// Encodes a whole font for a target that needs it at once (u8g2's run lengths), refusing,
// with the limit named, a font the format cannot hold.
using FontEncoder = Result<EncodedFont> (*)(const TargetFont& font);

// One library's format an export writes: the shipped script that writes it (the one export
// path is still a script's run) with the built-ins it serves, and what the format holds.
struct ExportTarget {
    std::string_view name {}; // as the command line's --target takes it
    std::string_view title {}; // the library and its format
    std::string_view scriptFile {}; // in the shipped scripts/ folder
    std::string_view headerFile {}; // shipped in include/, placed beside the output; or empty
    // Shipped in decoder/, placed beside the output when asked for (--with-decoder).
    std::span<const std::string_view> decoderFiles {};
    RunRule runs = RunRule::Whole;
    bool keepsCodeZero = true;
    FontEncoder encoder = nullptr; // for a target that encodes the whole font at once

    int (*layout)(const ExportChoices& choices) = nullptr; // the LAYOUT constant
    Status (*check)(const TargetFont& font) = nullptr; // the format's limits
    ExportSize (*size)(const TargetFont& font) = nullptr;
};

std::span<const ExportTarget> exportTargets();
// The target of a name, null for none.
const ExportTarget* exportTargetNamed(std::string_view name);
// "gfx, u8g2, lvgl, pages, rows, tessellon or compact".
std::string exportTargetNames();

ExportSize exportSize(const TargetFont& font);

} // namespace tessellon
