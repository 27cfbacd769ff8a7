#include "creation/NewFontNumbers.h"

#include "document/FontLib.h"

#include <charconv>
#include <limits>

namespace tessellon {

namespace {

    bool isBlank(char c) { return c == ' ' || c == '\t'; }

    std::string_view trimmed(std::string_view text)
    {
        while (!text.empty() && isBlank(text.front())) {
            text.remove_prefix(1);
        }
        while (!text.empty() && isBlank(text.back())) {
            text.remove_suffix(1);
        }
        return text;
    }

    // The fields in the order of NewFontField.
    struct FieldInfo {
        const char* name;
        std::string NewFontTexts::*text;
        int NewFontNumbers::*number;
        bool isOffset;
    };
    const FieldInfo fieldTable[] = {
        { "Width", &NewFontTexts::width, &NewFontNumbers::glyphWidth, false },
        { "Height", &NewFontTexts::height, &NewFontNumbers::glyphHeight, false },
        { "Offset x", &NewFontTexts::offsetX, &NewFontNumbers::offsetX, true },
        { "Offset y", &NewFontTexts::offsetY, &NewFontNumbers::offsetY, true },
    };

    const FieldInfo& infoOf(NewFontField field) { return fieldTable[static_cast<int>(field)]; }

    Status checkRange(NewFontField field, int value)
    {
        const int minimum = newFontFieldMinimum(field);
        const int maximum = newFontFieldMaximum(field);
        if (value >= minimum && value <= maximum) {
            return {};
        }
        return failure(newFontFieldName(field) + " must be a number from " + std::to_string(minimum)
            + " to " + std::to_string(maximum) + ", not " + std::to_string(value) + ".");
    }

} // namespace

Result<int> readDecimalInteger(std::string_view text)
{
    std::string_view digits = trimmed(text);
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') {
        digits.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    const bool whole
        = !digits.empty() && error == std::errc() && end == digits.data() + digits.size();
    if (!whole || value < std::numeric_limits<int>::min()
        || value > std::numeric_limits<int>::max()) {
        std::string message("'");
        message.append(text).append("' is not a valid integer value");
        return failure(std::move(message));
    }
    return static_cast<int>(value);
}

std::string newFontFieldName(NewFontField field) { return infoOf(field).name; }

int newFontFieldMinimum(NewFontField field)
{
    return infoOf(field).isOffset ? -maxNewFontOffset : minGlyphSide;
}

int newFontFieldMaximum(NewFontField field)
{
    return infoOf(field).isOffset ? maxNewFontOffset : maxGlyphSide;
}

bool withinNewFontLimits(const NewFontNumbers& numbers)
{
    for (const NewFontField field : newFontFieldOrder) {
        if (!checkRange(field, numbers.*infoOf(field).number)) {
            return false;
        }
    }
    return true;
}

Result<int> readNewFontField(NewFontField field, std::string_view text)
{
    const Result<int> value = readDecimalInteger(text);
    if (!value) {
        return value;
    }
    if (const Status inRange = checkRange(field, *value); !inRange) {
        return failure(inRange.message());
    }
    return value;
}

Result<NewFontNumbers> readNewFontNumbers(
    const NewFontTexts& texts, std::span<const NewFontField> order)
{
    NewFontNumbers numbers;
    for (const NewFontField field : order) {
        const Result<int> value = readDecimalInteger(texts.*infoOf(field).text);
        if (!value) {
            return failure(value.message());
        }
        numbers.*infoOf(field).number = *value;
    }
    for (const NewFontField field : order) {
        if (const Status inRange = checkRange(field, numbers.*infoOf(field).number); !inRange) {
            return failure(inRange.message());
        }
    }
    return numbers;
}

} // namespace tessellon
