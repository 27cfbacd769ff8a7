#include "cli/MakeArguments.h"

#include "creation/UnicodeRangeGrid.h"
#include "document/FontLib.h"

#include <array>
#include <charconv>
#include <limits>
#include <string_view>

namespace tessellon::cli {

namespace {

    std::optional<int> parseInteger(std::string_view text, int low, int high)
    {
        if (!text.empty() && text.front() == '+') {
            text.remove_prefix(1);
        }
        long parsed = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
        if (text.empty() || error != std::errc() || end != text.data() + text.size() || parsed < low
            || parsed > high) {
            return std::nullopt;
        }
        return static_cast<int>(parsed);
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

    std::string quoted(const std::string& value) { return "'" + value + "'"; }

    constexpr std::array valueOptions { "--width", "--height", "--offset", "--font", "--px",
        "--charset", "--ranges" };

    // The option of "--name" or "--name=value" when name takes a value, else nullptr.
    const char* valueOptionOf(const std::string& arg)
    {
        for (const char* option : valueOptions) {
            const std::string_view name(option);
            if (arg.compare(0, name.size(), name) == 0
                && (arg.size() == name.size() || arg[name.size()] == '=')) {
                return option;
            }
        }
        return nullptr;
    }

    // Reads "--name value" or "--name=value"; index moves past what was used.
    Result<std::string> takeValue(
        const std::vector<std::string>& args, std::size_t& index, const std::string& name)
    {
        const std::string& arg = args[index];
        if (arg.size() > name.size()) {
            return arg.substr(name.size() + 1);
        }
        if (index + 1 >= args.size()) {
            return failure(name + " needs a value");
        }
        return args[++index];
    }

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
        const auto parts = split(value, ',');
        constexpr int low = std::numeric_limits<std::int16_t>::min();
        constexpr int high = std::numeric_limits<std::int16_t>::max();
        const auto x = parts.size() == 2 ? parseInteger(parts[0], low, high) : std::nullopt;
        const auto y = parts.size() == 2 ? parseInteger(parts[1], low, high) : std::nullopt;
        if (!x || !y) {
            return failure("--offset must be X,Y (two whole numbers from " + std::to_string(low)
                + " to " + std::to_string(high) + "), not " + quoted(value));
        }
        parsed.offsetX = *x;
        parsed.offsetY = *y;
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

    Status setValue(const std::string& name, const std::string& value, MakeArguments& parsed)
    {
        if (name == "--width" || name == "--height") {
            return setGlyphSide(name, value, name == "--width" ? parsed.width : parsed.height);
        }
        if (name == "--offset") {
            return setOffset(value, parsed);
        }
        if (name == "--px") {
            return setPixelSize(value, parsed);
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
        return {};
    }

} // namespace

Result<MakeArguments> parseMakeArguments(const std::vector<std::string>& args)
{
    MakeArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        Status status;
        if (const char* option = valueOptionOf(args[i])) {
            const auto value = takeValue(args, i, option);
            status = value ? setValue(option, *value, parsed) : failure(value.message());
        } else {
            status = setFlagOrOutput(args[i], parsed);
        }
        if (!status) {
            return failure(status.message());
        }
    }
    if (const Status complete = checkComplete(parsed); !complete) {
        return failure(complete.message());
    }
    return parsed;
}

Result<RangeList> parseRangeList(const std::string& list)
{
    RangeList parsed;
    for (const std::string& item : split(list, ',')) {
        const auto ends = split(item, '-');
        if (ends.size() != 2 || !isHexCode(ends[0]) || !isHexCode(ends[1])) {
            return failure(
                "a range must be FROM-TO in hexadecimal (1 to 4 digits each), not " + quoted(item));
        }
        const RangeList::Range range { UnicodeRangeGrid::cellValue(ends[0]),
            UnicodeRangeGrid::cellValue(ends[1]) };
        const std::uint32_t size = UnicodeRangeGrid::rangeSize(range.from, range.to);
        if (size == 0) {
            parsed.warnings.push_back(
                "the range " + item + " gives no code (TO must be greater than FROM)");
        }
        parsed.ranges.push_back(range);
        parsed.codeCount += size;
    }
    return parsed;
}

std::vector<std::uint16_t> RangeList::codes() const
{
    std::vector<std::uint16_t> result;
    result.reserve(codeCount);
    for (const Range& range : ranges) {
        UnicodeRangeGrid::appendRange(range.from, range.to, result);
    }
    return result;
}

} // namespace tessellon::cli
