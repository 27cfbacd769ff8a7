#include "cli/ConvertArguments.h"

#include "document/FontLib.h"
#include "document/OptionValues.h"
#include "formats/PictureSheet.h"

#include <array>

namespace tessellon::cli {

namespace {

    constexpr std::array valueOptions { "--cell", "--offset", "--ascent", "--columns", "--first",
        "--baseline" };

    Result<GlyphSize> parseCell(const std::string& value)
    {
        const auto cell = parseGlyphSize(value);
        if (!cell) {
            return failure("--cell must be WxH (two whole numbers from "
                + std::to_string(minGlyphSide) + " to " + std::to_string(maxGlyphSide)
                + ", such as 8x16), not " + quoted(value));
        }
        return *cell;
    }

    Status setNumber(const std::string& name, const std::string& value, int high, int& number)
    {
        const int low = name == "--ascent" ? 0 : 1;
        const auto parsed = parseInteger(value, low, high);
        if (!parsed) {
            return failure(name + " must be a whole number from " + std::to_string(low) + " to "
                + std::to_string(high) + ", not " + quoted(value));
        }
        number = *parsed;
        return {};
    }

    Status setValue(const std::string& name, const std::string& value, ConvertArguments& parsed)
    {
        FontFileOptions& options = parsed.options;
        if (name == "--baseline") {
            const Result<int> rows = parseBaseline(value);
            parsed.baseline = rows ? std::optional(*rows) : std::nullopt;
            return rows ? Status() : failure(rows.message());
        }
        if (name == "--cell") {
            const Result<GlyphSize> cell = parseCell(value);
            options.cell = cell ? std::optional(*cell) : std::nullopt;
            return cell ? Status() : failure(cell.message());
        }
        if (name == "--offset") {
            const Result<CellOffset> offset = parseOffset(value);
            options.offset = offset ? std::optional(*offset) : std::nullopt;
            return offset ? Status() : failure(offset.message());
        }
        if (name == "--ascent") {
            return setNumber(name, value, maxGlyphSide, options.ascent.emplace());
        }
        if (name == "--columns") {
            return setNumber(name, value, maxSheetSide, options.columns);
        }
        if (!isHexCode(value)) {
            return failure(
                "--first must be a code of 1 to 4 hexadecimal digits, not " + quoted(value));
        }
        options.firstCode = static_cast<std::uint16_t>(std::stoul(value, nullptr, 16));
        return {};
    }

    Status setFile(const std::string& arg, ConvertArguments& parsed)
    {
        if (arg.size() > 1 && arg[0] == '-') {
            return failure("unknown option " + quoted(arg));
        }
        if (arg.empty()) {
            return failure("a file name is empty");
        }
        if (parsed.input.empty()) {
            parsed.input = arg;
        } else if (parsed.output.empty()) {
            parsed.output = arg;
        } else {
            return failure("more than two files (" + quoted(parsed.input) + ", "
                + quoted(parsed.output) + ", " + quoted(arg) + ")");
        }
        return {};
    }

} // namespace

Result<ConvertArguments> parseConvertArguments(const std::vector<std::string>& args)
{
    ConvertArguments parsed;
    const Status read = readArguments(
        args, valueOptions,
        [&parsed](const std::string& name, const std::string& value) {
            return setValue(name, value, parsed);
        },
        [&](std::size_t& i) { return setFile(args[i], parsed); });
    if (!read) {
        return failure(read.message());
    }
    if (parsed.output.empty()) {
        return failure("give the file to read and the file to write (IN OUT)");
    }
    return parsed;
}

} // namespace tessellon::cli
