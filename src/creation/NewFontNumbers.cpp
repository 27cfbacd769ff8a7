#include "creation/NewFontNumbers.h"

#include "document/FontLib.h"
#include "document/OptionValues.h"

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

    std::string rangeMessage(NewFontField field, const std::string& found)
    {
        return newFontFieldName(field) + " must be a number from "
            + std::to_string(newFontFieldMinimum(field)) + " to "
            + std::to_string(newFontFieldMaximum(field)) + ", not " + found + ".";
    }

    Status checkRange(NewFontField field, int value)
    {
        if (value >= newFontFieldMinimum(field) && value <= newFontFieldMaximum(field)) {
            return {};
        }
        return failure(rangeMessage(field, std::to_string(value)));
    }

    Result<int> readInteger(NewFontField field, std::string_view text)
    {
        const Result<int> value = readDecimalInteger(text);
        if (!value) {
            return failure(rangeMessage(field, quoted(std::string(text))));
        }
        return value;
    }

    // What readNewFontNumbers gives, and the field it failed on.
    struct Reading {
        Result<NewFontNumbers> numbers;
        NewFontField field = NewFontField::Width;
    };

    Reading readAll(const NewFontTexts& texts, std::span<const NewFontField> order)
    {
        NewFontNumbers numbers;
        for (const NewFontField field : order) {
            const Result<int> value = readInteger(field, texts.*infoOf(field).text);
            if (!value) {
                return { failure(value.message()), field };
            }
            numbers.*infoOf(field).number = *value;
        }
        for (const NewFontField field : order) {
            if (const Status inRange = checkRange(field, numbers.*infoOf(field).number); !inRange) {
                return { failure(inRange.message()), field };
            }
        }
        return { numbers };
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
    const Result<int> value = readInteger(field, text);
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
    return readAll(texts, order).numbers;
}

std::optional<NewFontField> badNewFontField(
    const NewFontTexts& texts, std::span<const NewFontField> order)
{
    const Reading reading = readAll(texts, order);
    return reading.numbers ? std::nullopt : std::optional(reading.field);
}

} // namespace tessellon
