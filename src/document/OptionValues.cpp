#include "document/OptionValues.h"

#include "document/FontLib.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace tessellon {

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
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
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

const char* valueOptionOf(const std::string& arg, std::span<const char* const> names)
{
    for (const char* option : names) {
        const std::string_view name(option);
        if (arg.compare(0, name.size(), name) == 0
            && (arg.size() == name.size() || arg[name.size()] == '=')) {
            return option;
        }
    }
    return nullptr;
}

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

Result<int> parseBaseline(const std::string& value)
{
    const auto rows = parseInteger(value, 0, maxGlyphSide);
    if (!rows) {
        return failure("--baseline must be a whole number from 0 to " + std::to_string(maxGlyphSide)
            + " (the rows above the baseline), not " + quoted(value));
    }
    return *rows;
}

Status checkBaselineOption(int rows, int glyphHeight)
{
    const Status fits = checkBaseline(rows, glyphHeight);
    return fits ? fits : failure("--baseline " + std::to_string(rows) + ": " + fits.message());
}

std::optional<GlyphSize> parseGlyphSize(const std::string& value)
{
    const auto parts = split(value, 'x');
    if (parts.size() != 2) {
        return std::nullopt;
    }
    const auto width = parseInteger(parts[0], minGlyphSide, maxGlyphSide);
    const auto height = parseInteger(parts[1], minGlyphSide, maxGlyphSide);
    if (!width || !height) {
        return std::nullopt;
    }
    return GlyphSize { *width, *height };
}

Result<CellOffset> parseOffset(const std::string& value, const std::string& name)
{
    const auto parts = split(value, ',');
    constexpr int low = std::numeric_limits<std::int16_t>::min();
    constexpr int high = std::numeric_limits<std::int16_t>::max();
    const auto x = parts.size() == 2 ? parseInteger(parts[0], low, high) : std::nullopt;
    const auto y = parts.size() == 2 ? parseInteger(parts[1], low, high) : std::nullopt;
    if (!x || !y) {
        return failure(name + " must be X,Y (two whole numbers from " + std::to_string(low) + " to "
            + std::to_string(high) + "), not " + quoted(value));
    }
    return CellOffset { *x, *y };
}

} // namespace tessellon
