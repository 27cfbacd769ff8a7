#include "cli/MakeArguments.h"

#include "creation/FontMaking.h"
#include "creation/UnicodeRangeGrid.h"
#include "document/FontLib.h"
#include "document/OptionValues.h"

#include <array>

namespace tessellon::cli {

namespace {

    constexpr std::array valueOptions { "--width", "--height", "--offset", "--font", "--px",
        "--charset", "--ranges", "--hinting", "--baseline", "--threads" };

    Status setGlyphSide(const std::string& name, const std::string& value, int& side)
    {
        const auto parsed = parseInteger(value, minGlyphSide, maxGlyphSide);
        if (!parsed) {
            return failure(name + " must be a whole number from " + std::to_string(minGlyphSide)
                + " to " + std::to_string(maxGlyphSide) + ", not " + quoted(value));
        }
        side = *parsed;
        return {};
    }

    Status setOffset(const std::string& value, MakeArguments& parsed)
    {
        const Result<CellOffset> offset = parseOffset(value);
        if (!offset) {
            return failure(offset.message());
        }
        parsed.offsetX = offset->x;
        parsed.offsetY = offset->y;
        return {};
    }

    Status setPixelSize(const std::string& value, MakeArguments& parsed)
    {
        const auto size = parseInteger(value, 1, maxPixelSize);
        if (!size) {
            return failure("--px must be a whole number from 1 to " + std::to_string(maxPixelSize)
                + ", not " + quoted(value));
        }
        parsed.pixelSize = *size;
        return {};
    }

    Status setHinting(const std::string& value, MakeArguments& parsed)
    {
        const auto style = hintingStyleForOption(value);
        if (!style) {
            return failure(
                "--hinting must be one of " + hintingStyleOptions() + ", not " + quoted(value));
        }
        parsed.hinting = *style;
        return {};
    }

    Status setValue(const std::string& name, const std::string& value, MakeArguments& parsed)
    {
        if (name == "--hinting") {
            return setHinting(value, parsed);
        }
        if (name == "--width" || name == "--height") {
            return setGlyphSide(name, value, name == "--width" ? parsed.width : parsed.height);
        }
        if (name == "--offset") {
            return setOffset(value, parsed);
        }
        if (name == "--px") {
            return setPixelSize(value, parsed);
        }
        if (name == "--threads") {
            const auto threads = parseInteger(value, 1, static_cast<int>(maxDrawingThreads));
            if (!threads) {
                return failure("--threads must be a whole number from 1 to "
                    + std::to_string(maxDrawingThreads) + ", not " + quoted(value));
            }
            parsed.threads = static_cast<unsigned>(*threads);
            return {};
        }
        if (name == "--baseline") {
            const Result<int> rows = parseBaseline(value);
            parsed.baseline = rows ? std::optional(*rows) : std::nullopt;
            return rows ? Status() : failure(rows.message());
        }
        if (value.empty()) {
            return failure(name + " needs a value");
        }
        if (name == "--font") {
            parsed.font = value;
        } else if (name == "--charset") {
            parsed.charSetFile = value;
        } else {
            parsed.ranges = value;
        }
        return {};
    }

    Status setFlagOrOutput(const std::string& arg, MakeArguments& parsed)
    {
        if (arg == "--bold") {
            parsed.bold = true;
        } else if (arg == "--italic") {
            parsed.italic = true;
        } else if (arg == "--timings") {
            parsed.timings = true;
        } else if (arg == "--strict") {
            parsed.strict = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return failure("unknown option " + quoted(arg));
        } else if (parsed.output.empty()) {
            parsed.output = arg;
        } else {
            return failure(
                "more than one output file (" + quoted(parsed.output) + ", " + quoted(arg) + ")");
        }
        return {};
    }

    Status checkComplete(const MakeArguments& parsed)
    {
        if (parsed.output.empty()) {
            return failure("the output file OUT.pix is missing");
        }
        if (parsed.width == 0 || parsed.height == 0) {
            return failure("--width and --height are needed");
        }
        if (parsed.font.empty()) {
            return failure("--font is needed");
        }
        if (parsed.pixelSize == 0) {
            return failure("--px is needed");
        }
        if (parsed.charSetFile.has_value() == parsed.ranges.has_value()) {
            return failure("give either --charset or --ranges");
        }
        if (parsed.baseline) {
            return checkBaselineOption(*parsed.baseline, parsed.height);
        }
        return {};
    }

} // namespace

Result<MakeArguments> parseMakeArguments(const std::vector<std::string>& args)
{
    MakeArguments parsed;
    const Status read = readArguments(
        args, valueOptions,
        [&parsed](const std::string& name, const std::string& value) {
            return setValue(name, value, parsed);
        },
        [&](std::size_t& i) { return setFlagOrOutput(args[i], parsed); });
    if (!read) {
        return failure(read.message());
    }
    if (const Status complete = checkComplete(parsed); !complete) {
        return failure(complete.message());
    }
    return parsed;
}

} // namespace tessellon::cli
