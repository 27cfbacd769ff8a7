#include "cli/ConvertCommand.h"
#include "cli/CommandFontFiles.h"
#include "cli/ConvertArguments.h"
#include "cli/InterruptWatch.h"
#include "document/OptionValues.h"

#include "document/SameFile.h"
#include "formats/PictureSheet.h"

#include <ostream>
#include <stop_token>

namespace tessellon::cli {

namespace {

    constexpr const char* usage
        = "Usage: tessellon-cli convert IN OUT [--cell WxH] [--offset X,Y] [--ascent N]\n"
          "           [--columns N] [--first HEX] [--baseline N]\n";

    Result<FontLib> readInput(
        const ConvertArguments& arguments, FontFileAccess& files, ReadNotes& notes)
    {
        if (isPictureSheetName(arguments.input) && !arguments.options.cell) {
            return failure("reading the picture sheet " + arguments.input
                + " needs the glyph size of its cells: give --cell WxH");
        }
        return files.read(arguments.input, arguments.options, notes);
    }

    Status convert(
        ConvertArguments arguments, FontFileAccess& files, std::stop_token stop, CliStreams io)
    {
        if (isSameFile(arguments.input, arguments.output)) {
            return failure(
                "the output file " + arguments.output + " is the input file; give another name");
        }
        ReadNotes notes;
        Result<FontLib> font = readInput(arguments, files, notes);
        if (!font) {
            return failure(aboutFile(arguments.input, font.message()));
        }
        if (arguments.baseline) {
            if (Status fits = checkBaselineOption(*arguments.baseline, font->info.glyphHeight);
                !fits) {
                return fits;
            }
            font->baseline = arguments.baseline;
        }
        for (const std::string& note : notes) {
            io.err << "tessellon-cli convert: " << note << "\n";
        }
        arguments.options.stop = std::move(stop);
        if (Status written = files.write(arguments.output, *font, arguments.options); !written) {
            return written;
        }
        io.out << arguments.output << ": " << glyphCountText(font->info.glyphCount) << " of "
               << font->info.glyphWidth << "x" << font->info.glyphHeight
               << (font->codeTable ? ", with codes" : ", without codes") << "\n";
        return {};
    }

} // namespace

// Picture sheets need Qt Gui's picture codecs, which the drawing module brings.
int runConvertCommand(const std::vector<std::string>& args, CliStreams io)
{
    CommandFontFiles files;
    return runConvert(args, io, files);
}

int runConvert(const std::vector<std::string>& args, CliStreams io, FontFileAccess& files)
{
    const auto arguments = parseConvertArguments(args);
    if (!arguments) {
        io.err << "tessellon-cli convert: " << arguments.message() << "\n" << usage;
        return exitUnusable;
    }
    // Interrupted, the write stops and its temporary file goes; the command then ends by
    // the signal, as it would have without cleaning up.
    std::stop_source stop;
    Status converted;
    int signal = 0;
    {
        InterruptWatch watch([&stop] { stop.request_stop(); });
        converted = convert(*arguments, files, stop.get_token(), io);
        signal = watch.signalNumber();
    }
    if (!converted) {
        io.err << "tessellon-cli convert: " << converted.message() << "\n";
    }
    if (signal != 0) {
        io.out << std::flush;
        io.err << std::flush;
        return endBySignal(signal);
    }
    return converted ? exitOk : exitUnusable;
}

} // namespace tessellon::cli
