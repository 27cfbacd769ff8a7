#include "cli/CliCommand.h"
#include "cli/CommandFontFiles.h"

#include "formats/FontFileFormats.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace tessellon::cli {

namespace {

    void printCodeRange(const std::vector<std::uint16_t>& codes, std::ostream& out)
    {
        if (codes.empty()) {
            return;
        }
        const auto [lowest, highest] = std::minmax_element(codes.begin(), codes.end());
        char text[32];
        std::snprintf(text, sizeof text, "%04X-%04X", *lowest, *highest);
        out << "code range: " << text << "\n";
    }

} // namespace

int runInfoCommand(const std::vector<std::string>& args, CliStreams io)
{
    if (args.size() != 1) {
        io.err << "Usage: tessellon-cli info FONT.pix\n";
        return exitUnusable;
    }
    CommandFontFiles files;
    ReadNotes notes;
    const Result<FontLib> read = files.readFont(args[0], notes);
    if (!read) {
        io.err << "tessellon-cli info: " << aboutFile(args[0], read.message()) << "\n";
        return exitUnusable;
    }
    for (const std::string& note : notes) {
        io.err << "tessellon-cli info: " << note << "\n";
    }
    const FontLib& font = *read;
    io.out << "glyphs: " << font.info.glyphCount << "\n"
           << "size: " << font.info.glyphWidth << "x" << font.info.glyphHeight << "\n"
           << "codes: " << (font.codeTable ? "yes" : "no") << "\n"
           << "bytes per glyph: " << font.glyphBytes() << "\n"
           << "format: " << CommandFontFiles::formatOf(args[0]).description << "\n";
    if (font.codeTable) {
        printCodeRange(*font.codeTable, io.out);
    }
    io.out << "baseline: ";
    if (font.baseline) {
        io.out << *font.baseline << " rows below the top\n";
    } else {
        io.out << "unknown (taken as the bottom, " << font.info.glyphHeight << ")\n";
    }
    return exitOk;
}

} // namespace tessellon::cli
