#pragma once

#include "document/ByteSource.h"
#include "document/Result.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tessellon {

// A character-set file lists the characters of a new font, one glyph per unit, in order.
// It starts with FF FE (UTF-16 little-endian, two bytes per unit after the mark) or is
// read as 8-bit text (every byte one unit, including a file shorter than two bytes).
enum class CharSetForm {
    Utf16,
    EightBit,
};

inline constexpr std::uint8_t utf16Mark0 = 0xFF;
inline constexpr std::uint8_t utf16Mark1 = 0xFE;
inline constexpr std::uint64_t utf16MarkSize = 2;

CharSetForm charSetFormOf(const std::uint8_t* firstBytes, std::uint64_t size);

// The number of glyphs a file of this form and size gives: (size div 2) - 1 for UTF-16
// (a last single byte is ignored), size for 8-bit.
std::uint64_t charSetGlyphCount(CharSetForm form, std::uint64_t size);

struct CharSetMeasure {
    CharSetForm form = CharSetForm::EightBit;
    std::uint64_t totalBytes = 0;
    std::uint64_t glyphCount = 0;
};

CharSetMeasure measureCharSet(ByteSource& source);

// A character-set file opened for reading, measured when it was opened.
struct OpenCharSet {
    std::unique_ptr<ByteSource> source;
    CharSetMeasure measure;
};

// "Cannot open file PATH: reason" when the file cannot be opened or is not a regular file.
Result<OpenCharSet> openCharSetFile(const std::string& path);

} // namespace tessellon
