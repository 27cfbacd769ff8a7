#pragma once

#include "document/Result.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tessellon {

// Script files (.spt): 8-bit text, lines separated by CR LF; read back with CR LF, LF or
// CR as line ends.

// Scripts are small; a file beyond this is refused rather than read into memory.
inline constexpr std::size_t maxScriptFileBytes = 16 * 1024 * 1024;

// The lines of the file, or "Cannot open file <path>: <reason>": the system's reason, a
// file that is not a regular one (a FIFO would block the reading), or one larger than
// maxScriptFileBytes.
Result<std::vector<std::string>> readScriptFile(const std::string& path);

// Replaces the file at path with the lines joined by CR LF. The old file stays whole
// unless every byte of the new one was written. Fails with "Cannot create file <path>:
// <reason>" (or "Cannot write file" when the bytes could not all be written).
Status writeScriptFile(const std::string& path, const std::vector<std::string>& lines);

// True when the file at path holds exactly what writeScriptFile would write for lines.
bool scriptFileHolds(const std::string& path, const std::vector<std::string>& lines);

// The text of a script as the export dialog's editor would hand it over to a run: the lines
// of the file at path, or of the default script without one, joined by CR LF.
Result<std::string> scriptTextOf(const std::optional<std::string>& path);

} // namespace tessellon
