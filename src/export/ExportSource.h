#pragma once

#include "document/FontLib.h"
#include "document/FontLibInfo.h"

#include <cstdint>
#include <span>
#include <string>

namespace tessellon {

// What the export holds of the font being exported: a copy of its information record and
// views of its arrays, which it reads and never changes. In the editor the views point into
// a child window's font and are valid only while the export dialog runs modally: the
// window can neither close nor change its font until the dialog has closed, and nothing
// may keep the source beyond that. The command line keeps its font until the run ends.
struct ExportSource {
    std::string outputFileName;
    FontLibInfo fontInfo;
    std::span<const std::uint8_t> pixelData;
    // Empty when the font has no code table.
    std::span<const std::uint16_t> codeTable;
};

ExportSource makeExportSource(std::string outputFileName, const FontLib& font);

} // namespace tessellon
