#pragma once

#include "cli/CliCommand.h"
#include "document/FontLib.h"
#include "document/Result.h"
#include "formats/FontFileFormats.h"

#include <string>
#include <vector>

namespace tessellon::cli {

// Where convert reads and writes fonts (CommandFontFiles.h).
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

} // namespace tessellon::cli
