#pragma once

#include "document/Result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessellon {

// The characters a firmware program prints, found in its source files so that its font holds
// exactly those.
//
// C and C++ files (by extension: .c .h .cc .cpp .cxx .hh .hpp .hxx .ino .inl) give the
// characters of their string and character literals, with prefixes (L u U u8), raw strings
// and escapes understood: \n \t ... \x41 \101 \u00E9 \U0001F600. The bytes of a narrow
// literal, \x and octal escapes included, are read as UTF-8 ("\xE4\xB8\xAD" is U+4E2D).
// Comments, the file names of #include lines and the "C" of extern "C" give nothing, nor do
// the values printf's conversions print (digits): add those with a character set. Any other
// file (a list of messages, a translation) gives every character it holds.
//
// Control characters (U+0000-001F, U+007F-009F) are never drawn and are left out. The file
// must be UTF-8 without NUL bytes; a literal that is not closed ends at its line's end.
enum class SourceScan {
    Literals,
    WholeText,
};

SourceScan sourceScanFor(const std::string& path);

inline constexpr std::uint64_t maxSourceFileBytes = 16ull << 20;

// The characters of text, ascending, each once. Refused with "NAME:LINE: reason" for text
// that is not UTF-8, holds a NUL byte, or has a literal whose escapes give no character.
Result<std::vector<char32_t>> scanSourceText(
    std::string_view text, SourceScan scan, const std::string& name);

// The same for the file at path, read whole when it is a regular file of at most
// maxSourceFileBytes.
Result<std::vector<char32_t>> readSourceCharacters(const std::string& path);

} // namespace tessellon
