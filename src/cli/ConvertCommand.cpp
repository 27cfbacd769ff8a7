#include "cli/CliCommand.h"
#include "cli/ConvertArguments.h"
#include "cli/GuiApplicationScope.h"

#include "document/SameFile.h"
#include "formats/PictureSheet.h"
#include "formats/PictureSheetFile.h"

#include <ostream>

namespace tessellon::cli {

namespace {

    constexpr const char* usage
        = "Usage: tessellon-cli convert IN OUT [--cell WxH] [--offset X,Y] [--ascent N]\n"
          "           [--columns N] [--first HEX]\n";

    // The extensions of the formats that can be read, or written, for a message.
    std::string extensionList(bool reading)
    {
        std::string list;
        for (const FontFileFormat& format : fontFileFormats()) {
            if (reading ? format.canRead() : format.canWrite()) {
                list += format.extensions.front() + ", ";
            }
        }
        const auto& pictures
            = reading ? pictureSheetReadExtensions() : pictureSheetWriteExtensions();
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            list += pictures[i]
                + (i + 2 < pictures.size()        ? ", "
                        : i + 1 < pictures.size() ? " or "
                                                  : "");
        }
        return list;
    }

    Result<FontLib> readInput(const ConvertArguments& arguments, ReadNotes& notes)
    {
        const std::string& path = arguments.input;
        if (isPictureSheetName(path)) {
            if (!arguments.options.cell) {
                return failure("reading the picture sheet " + path
                    + " needs the glyph size of its cells: give --cell WxH");
            }
            GuiApplicationScope application;
            return readPictureSheetFile(path, arguments.options);
        }
        const FontFileFormat* format = fontFileFormatNamed(path);
        if (!format || !format->canRead()) {
            return failure("cannot tell the format of " + path + " from its name; files ending in "
                + extensionList(true) + " are read");
        }
        return readFontFileAs(*format, path, arguments.options, notes);
    }

    Status writeOutput(const ConvertArguments& arguments, const FontLib& font)
    {
        const std::string& path = arguments.output;
        if (isWritablePictureSheetName(path)) {
            GuiApplicationScope application;
            return writePictureSheetFile(path, font, arguments.options);
        }
        const FontFileFormat* format = fontFileFormatNamed(path);
        if (!format || !format->canWrite()) {
            return failure("cannot tell the format to write " + path
                + " in from its name; files "
                  "ending in "
                + extensionList(false) + " are written");
        }
        return writeFontFileAs(*format, path, font, arguments.options);
    }

    Status convert(const ConvertArguments& arguments, CliStreams io)
    {
        if (isSameFile(arguments.input, arguments.output)) {
            return failure(
                "the output file " + arguments.output + " is the input file; give another name");
        }
        ReadNotes notes;
        const Result<FontLib> font = readInput(arguments, notes);
        if (!font) {
            return failure(font.message());
        }
        for (const std::string& note : notes) {
            io.err << "tessellon-cli convert: " << note << "\n";
        }
        if (Status written = writeOutput(arguments, *font); !written) {
            return written;
        }
        io.out << arguments.output << ": " << font->info.glyphCount << " glyphs of "
               << font->info.glyphWidth << "x" << font->info.glyphHeight
               << (font->codeTable ? ", with codes" : ", without codes") << "\n";
        return {};
    }

} // namespace

int runConvertCommand(const std::vector<std::string>& args, CliStreams io)
{
    const auto arguments = parseConvertArguments(args);
    if (!arguments) {
        io.err << "tessellon-cli convert: " << arguments.message() << "\n" << usage;
        return exitUnusable;
    }
    if (const Status converted = convert(*arguments, io); !converted) {
        io.err << "tessellon-cli convert: " << converted.message() << "\n";
        return exitUnusable;
    }
    return exitOk;
}

} // namespace tessellon::cli
