#pragma once

#include <string>
#include <vector>

namespace tessellon {

// Script files (.spt): 8-bit text, lines separated by CR LF; read back with CR LF, LF or
// CR as line ends.

struct ScriptReadResult {
    bool ok = false;
    std::vector<std::string> lines;
    std::string message; // "Cannot open file <path>" when ok is false
};

// Scripts are small; a file beyond this is refused rather than read into memory.
inline constexpr std::size_t maxScriptFileBytes = 16 * 1024 * 1024;

ScriptReadResult readScriptFile(const std::string& path);

struct ScriptWriteResult {
    bool ok = false;
    std::string message; // "Cannot create file <path>" when ok is false
};

// Replaces the file at path with the lines joined by CR LF. The old file stays whole
// unless every byte of the new one was written.
ScriptWriteResult writeScriptFile(const std::string& path, const std::vector<std::string>& lines);

} // namespace tessellon
