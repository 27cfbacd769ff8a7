#include "export/ExportSource.h"

namespace tessellon {

ExportSource makeExportSource(std::string outputFileName, const FontLib& font)
{
    ExportSource source;
    source.outputFileName = std::move(outputFileName);
    source.fontInfo = font.info;
    source.pixelData = font.pixelData;
    if (font.codeTable) {
        source.codeTable = *font.codeTable;
    }
    return source;
}

} // namespace tessellon
