#include "cli/MakeArguments.h"

#include "creation/UnicodeRangeGrid.h"
#include "document/FontLib.h"

#include <charconv>
#include <limits>

namespace tessellon::cli {

namespace {

    bool parseInteger(const std::string& text, int low, int high, int& value)
    {
        const char* first = text.data();
        const char* last = text.data() + text.size();
        if (first != last && *first == '+') {
            ++first;
        }
        long parsed = 0;
        const auto [end, error] = std::from_chars(first, last, parsed);
        if (first == last || error != std::errc() || end != last || parsed < low || parsed > high) {
            return false;
        }
        value = static_cast<int>(parsed);
        return true;
    }

    bool isHexCode(const std::string& text)
    {
        if (text.empty() || text.size() > 4) {
            return false;
        }
        for (char c : text) {
            const bool hex
                = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
            if (!hex) {
                return false;
            }
        }
        return true;
    }

    std::vector<std::string> split(const std::string& text, char separator)
    {
        std::vector<std::string> parts;
        std::string::size_type start = 0;
        for (;;) {
            const auto end = text.find(separator, start);
            parts.push_back(text.substr(start, end - start));
            if (end == std::string::npos) {
                return parts;
            }
            start = end + 1;
        }
    }

    bool parseOffset(const std::string& text, MakeArguments& parsed)
    {
        const auto parts = split(text, ',');
        constexpr int low = std::numeric_limits<std::int16_t>::min();
        constexpr int high = std::numeric_limits<std::int16_t>::max();
        return parts.size() == 2 && parseInteger(parts[0], low, high, parsed.offsetX)
            && parseInteger(parts[1], low, high, parsed.offsetY);
    }

    // Reads "--name value" or "--name=value"; index moves past what was used.
    bool takeValue(const std::vector<std::string>& args, std::size_t& index,
        const std::string& name, std::string& value, std::string& error)
    {
        const std::string& arg = args[index];
        if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0
            && arg[name.size()] == '=') {
            value = arg.substr(name.size() + 1);
            return true;
        }
        if (index + 1 >= args.size()) {
            error = name + " needs a value";
            return false;
        }
        value = args[++index];
        return true;
    }

    bool optionName(const std::string& arg, const char* name)
    {
        const std::string option(name);
        return arg == option || arg.rfind(option + "=", 0) == 0;
    }

    bool checkComplete(const MakeArguments& parsed, std::string& error)
    {
        if (parsed.output.empty()) {
            error = "the output file OUT.pix is missing";
        } else if (parsed.width == 0 || parsed.height == 0) {
            error = "--width and --height are needed";
        } else if (parsed.font.empty()) {
            error = "--font is needed";
        } else if (parsed.pixelSize == 0) {
            error = "--px is needed";
        } else if (parsed.charSetFile.has_value() == parsed.ranges.has_value()) {
            error = "give either --charset or --ranges";
        }
        return error.empty();
    }

} // namespace

bool parseMakeArguments(
    const std::vector<std::string>& args, MakeArguments& parsed, std::string& error)
{
    parsed = MakeArguments {};
    error.clear();
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        const std::string& arg = args[i];
        std::string value;
        if (optionName(arg, "--width") || optionName(arg, "--height")) {
            const bool width = optionName(arg, "--width");
            const std::string name = width ? "--width" : "--height";
            if (takeValue(args, i, name, value, error)
                && !parseInteger(
                    value, minGlyphSide, maxGlyphSide, width ? parsed.width : parsed.height)) {
                error = name + " must be a whole number from " + std::to_string(minGlyphSide)
                    + " to " + std::to_string(maxGlyphSide) + ", not '" + value + "'";
            }
        } else if (optionName(arg, "--offset")) {
            if (takeValue(args, i, "--offset", value, error) && !parseOffset(value, parsed)) {
                error = "--offset must be X,Y (two whole numbers), not '" + value + "'";
            }
        } else if (optionName(arg, "--font")) {
            if (takeValue(args, i, "--font", value, error)) {
                parsed.font = value;
                error = value.empty() ? "--font needs a family name or a font file" : "";
            }
        } else if (optionName(arg, "--px")) {
            if (takeValue(args, i, "--px", value, error)
                && !parseInteger(value, 1, maxPixelSize, parsed.pixelSize)) {
                error = "--px must be a whole number from 1 to " + std::to_string(maxPixelSize)
                    + ", not '" + value + "'";
            }
        } else if (optionName(arg, "--charset")) {
            if (takeValue(args, i, "--charset", value, error)) {
                parsed.charSetFile = value;
            }
        } else if (optionName(arg, "--ranges")) {
            if (takeValue(args, i, "--ranges", value, error)) {
                parsed.ranges = value;
            }
        } else if (arg == "--bold") {
            parsed.bold = true;
        } else if (arg == "--italic") {
            parsed.italic = true;
        } else if (arg == "--timings") {
            parsed.timings = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option '" + arg + "'";
        } else if (parsed.output.empty()) {
            parsed.output = arg;
        } else {
            error = "more than one output file ('" + parsed.output + "', '" + arg + "')";
        }
    }
    return error.empty() && checkComplete(parsed, error);
}

bool parseRangeList(const std::string& list, std::vector<std::uint16_t>& codes, std::string& error,
    std::vector<std::string>& warnings)
{
    codes.clear();
    for (const std::string& item : split(list, ',')) {
        const auto ends = split(item, '-');
        if (ends.size() != 2 || !isHexCode(ends[0]) || !isHexCode(ends[1])) {
            error
                = "a range must be FROM-TO in hexadecimal (1 to 4 digits each), not '" + item + "'";
            return false;
        }
        const auto from = UnicodeRangeGrid::cellValue(ends[0]);
        const auto to = UnicodeRangeGrid::cellValue(ends[1]);
        if (to <= from) {
            warnings.push_back(
                "the range " + item + " gives no code (TO must be greater than FROM)");
        }
        UnicodeRangeGrid::appendRange(from, to, codes);
    }
    return true;
}

} // namespace tessellon::cli
