#include "cli/CliCommand.h"

#include <array>
#include <ostream>

namespace tessellon::cli {

namespace {

    const std::array commands {
        CliCommand { "info", "info FONT.pix",
            "print a font's glyph count, glyph size and code table", runInfoCommand },
        CliCommand { "make",
            "make OUT.pix --width W --height H [--offset X,Y] --font FAMILY_OR_FILE --px N\n"
            "       [--bold] [--italic] [--hinting system|auto|light|none]\n"
            "       (--charset FILE | --ranges 30-39,41-5A) [--baseline N] [--strict] [--threads N]\n"
            "       [--timings]",
            "make a font from a TrueType/OpenType font and a character set", runMakeCommand },
        CliCommand { "export",
            "export FONT.pix -o OUT [-s SCRIPT.spt] [--max-seconds N]\n"
            "       [--target gfx|u8g2|lvgl|pages|rows|tessellon|compact [--proportional [GAP]]\n"
            "        [--space N] [--baseline N] [--name IDENT] [--bit0 top|bottom]\n"
            "        [--order pages|columns] [--first-bit msb|lsb] [--inverted] [--with-decoder]]",
            "run an export script (default: the built-in one) over a font into OUT, or write\n"
            "      the font for a display library (--target); exit 1 when the script does not\n"
            "      compile, 3 when stopped after N seconds",
            runExportCommand },
        CliCommand { "convert",
            "convert IN OUT [--cell WxH] [--offset X,Y] [--ascent N] [--columns N] [--first HEX]\n"
            "       [--baseline N]",
            "convert a font between .pix, BDF (.bdf), Unifont (.hex, read only) and picture\n"
            "      sheets (.png, .bmp), by the files' extensions; a sheet is read with --cell",
            runConvertCommand },
        CliCommand { "build", "build RECIPE.tfont [--check | --list] [--output-dir DIR] [--strict]",
            "make every output of a font recipe; --check writes nothing and exits 1 when an\n"
            "      output is missing or out of date, --list prints the recipe's inputs and outputs",
            runBuildCommand },
    };

    void printHelp(std::ostream& out)
    {
        out << "Usage: tessellon-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
        for (const auto& command : commands) {
            out << "  " << command.usage << "\n      " << command.summary << "\n";
        }
        out << "\n  --help, --version\n      print this help, or the version, and exit\n";
        out << "\nExit status: 0 success, 2 unusable arguments or files.\n";
    }

} // namespace

std::string aboutFile(const std::string& path, const std::string& message)
{
    return message.find(path) != std::string::npos ? message : path + ": " + message;
}

std::string glyphCountText(std::uint32_t count)
{
    return std::to_string(count) + (count == 1 ? " glyph" : " glyphs");
}

int runCli(const std::vector<std::string>& args, CliStreams io)
{
    if (args.empty()) {
        printHelp(io.err);
        return exitUnusable;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp(io.out);
        return exitOk;
    }
    if (args[0] == "--version" || args[0] == "-v") {
        io.out << "tessellon-cli " << TESSELLON_FILE_VERSION << "\n";
        return exitOk;
    }
    for (const auto& command : commands) {
        if (args[0] == command.name) {
            return command.run({ args.begin() + 1, args.end() }, io);
        }
    }
    io.err << "tessellon-cli: unknown command '" << args[0] << "' (try --help)\n";
    return exitUnusable;
}

} // namespace tessellon::cli
