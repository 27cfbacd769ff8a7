#pragma once

#include "document/CellGeometry.h"
#include "document/Result.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessellon {

// Reading the values of options (the command line's, a recipe's keys), with messages that
// name the option and the value.

// A whole number from low to high, with an optional '+'; nothing else around it.
std::optional<int> parseInteger(std::string_view text, int low, int high);
// One to four hexadecimal digits.
bool isHexCode(const std::string& text);
std::vector<std::string> split(const std::string& text, char separator);
std::string quoted(const std::string& value);

// The option of names that arg is, as "--name" or "--name=value"; nullptr for none.
const char* valueOptionOf(const std::string& arg, std::span<const char* const> names);
// The value of "--name value" or "--name=value"; index moves past what was used.
Result<std::string> takeValue(
    const std::vector<std::string>& args, std::size_t& index, const std::string& name);

// Each argument in turn: an option of valueOptions with its value goes to
// setValue(name, value), any other argument to setOther(index), which may use the arguments
// after it by moving index on. The first refusal ends the walk and is returned.
template <class SetValue, class SetOther>
Status readArguments(const std::vector<std::string>& args,
    std::span<const char* const> valueOptions, SetValue&& setValue, SetOther&& setOther)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        Status status;
        if (const char* option = valueOptionOf(args[i], valueOptions)) {
            const auto value = takeValue(args, i, option);
            status = value ? setValue(option, *value) : failure(value.message());
        } else {
            status = setOther(i);
        }
        if (!status) {
            return status;
        }
    }
    return {};
}

// --baseline N: the rows of the cell above the baseline, a whole number from 0 to the
// largest glyph side (whether it fits the font's cell is checked against the font).
Result<int> parseBaseline(const std::string& value);
// A baseline given by --baseline that does not fit glyphs glyphHeight rows high, refused
// with the limit named.
Status checkBaselineOption(int rows, int glyphHeight);

// WIDTHxHEIGHT, each a whole number from minGlyphSide to maxGlyphSide; nothing otherwise.
std::optional<GlyphSize> parseGlyphSize(const std::string& value);

// X,Y: two whole numbers of 16 bits; the message names the option, by default --offset.
Result<CellOffset> parseOffset(const std::string& value, const std::string& name = "--offset");

} // namespace tessellon
