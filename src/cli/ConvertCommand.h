#pragma once

#include "cli/CliCommand.h"
#include "document/FontFileFormats.h"
#include "document/FontLib.h"
#include "document/Result.h"

#include <string>
#include <vector>

namespace tessellon::cli {

// Where convert reads and writes fonts: the formats of the core's table, or those and
// picture sheets (in the drawing module, DrawingCommands.h).
class FontFileAccess {
public:
    virtual ~FontFileAccess() = default;
    virtual Result<FontLib> read(
        const std::string& path, const FontFileOptions& options, ReadNotes& notes)
        = 0;
    virtual Status write(
        const std::string& path, const FontLib& font, const FontFileOptions& options)
        = 0;
};

// tessellon-cli convert, reading and writing through files.
int runConvert(const std::vector<std::string>& args, CliStreams io, FontFileAccess& files);

// Whether convert is asked to read or write a picture sheet (usable arguments only).
bool convertsPictureSheets(const std::vector<std::string>& args);

} // namespace tessellon::cli
