#pragma once

#include "document/FontLib.h"
#include "document/FontLibInfo.h"

#include <cstdint>
#include <span>
#include <string>

namespace tessellon {

// What the export holds of the font being exported: a copy of its information record and
// views of its arrays, which it reads and never changes. The font outlives every use (the
// export dialog is modal; the command line keeps the font until the run ends).
struct ExportSource {
    std::string outputFileName;
    FontLibInfo fontInfo;
    std::span<const std::uint8_t> pixelData;
    // Empty when the font has no code table.
    std::span<const std::uint16_t> codeTable;
};

ExportSource makeExportSource(std::string outputFileName, const FontLib& font);

} // namespace tessellon
