#pragma once

#include "document/FontLib.h"

#include <cstdint>
#include <vector>

namespace tessellon {

// The glyphs a target keeps, in ascending order of their codes: one per code, the first
// glyph that has it. A font without a code table gives each glyph its index's low 16 bits,
// as GETUNICODE does.
struct CodeOrder {
    std::vector<std::uint32_t> glyphs;
    std::vector<std::uint16_t> codes;
    std::uint32_t dropped = 0; // glyphs left out: codes held twice, code 0 where refused

    std::size_t size() const { return codes.size(); }
};

std::uint16_t glyphCode(const FontLib& font, std::uint32_t index);

// keepCodeZero false leaves out the glyph of code 0 (a string's end to some libraries).
CodeOrder codeOrder(const FontLib& font, bool keepCodeZero);

// How the codes are grouped in runs, each run given by the place in code order where it
// starts (the first at 0).
enum class RunRule {
    // One run.
    Whole,
    // Adafruit GFX: a GFXfont holds every code from its first to its last, missing ones as
    // empty glyphs, and draws codes up to 0xFF: the codes below 0x100 form one run, and the
    // others start a new run wherever more than gfxLongestGap codes in a row are missing.
    Gfx,
    // LVGL character maps: a run of at least lvglShortestRange codes in a row is a range of
    // its own (no list); the shorter ones between share sparse maps (a list of codes),
    // each spanning at most 65,535 codes.
    Lvgl,
};

inline constexpr int gfxLongestGap = 2;
inline constexpr int lvglShortestRange = 10;
inline constexpr int lvglLongestSpan = 65535;

std::vector<std::uint32_t> codeRuns(const std::vector<std::uint16_t>& codes, RunRule rule);

} // namespace tessellon
