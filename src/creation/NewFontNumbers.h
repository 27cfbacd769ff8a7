#pragma once

#include "document/Result.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessellon {

// The four numbers of a new font: the glyph size and where the top-left corner of each
// character's cell lies in the glyph.
struct NewFontNumbers {
    int glyphWidth = 16;
    int glyphHeight = 16;
    int offsetX = 0;
    int offsetY = 0;
};

// The same four as the user typed them.
struct NewFontTexts {
    std::string width;
    std::string height;
    std::string offsetX;
    std::string offsetY;
};

enum class NewFontField { Width, Height, OffsetX, OffsetY };

// An offset this far moves every character wholly out of the largest glyph.
inline constexpr int maxNewFontOffset = 256;

// The order in which a font is made from the texts, and the order in which the preview
// reads them; the first bad field in the order is the one reported.
inline constexpr std::array<NewFontField, 4> newFontFieldOrder { NewFontField::Width,
    NewFontField::Height, NewFontField::OffsetX, NewFontField::OffsetY };
inline constexpr std::array<NewFontField, 4> previewFieldOrder { NewFontField::OffsetX,
    NewFontField::OffsetY, NewFontField::Width, NewFontField::Height };

// A decimal integer: an optional sign, then digits, blanks around them allowed. Anything
// else, and numbers beyond 32 bits, fail with "'text' is not a valid integer value".
Result<int> readDecimalInteger(std::string_view text);

// The name of the field in messages ("Width", "Offset x") and the numbers it allows:
// glyph sides 1 to 256 (what a font file holds), offsets -256 to 256.
std::string newFontFieldName(NewFontField field);
int newFontFieldMinimum(NewFontField field);
int newFontFieldMaximum(NewFontField field);

// Whether every number lies within its field's range.
bool withinNewFontLimits(const NewFontNumbers& numbers);

// One field: the text as a decimal integer, then within the field's range. Text that is no
// such integer, or a number outside the range, fails with a message that names the field
// and the range: "Width must be a number from 1 to 256, not 'abc'."
Result<int> readNewFontField(NewFontField field, std::string_view text);

// Every text read as a decimal integer in the given order, then every number checked
// against its range in the same order; the first failure is the result.
Result<NewFontNumbers> readNewFontNumbers(
    const NewFontTexts& texts, std::span<const NewFontField> order = newFontFieldOrder);

// The field whose failure readNewFontNumbers reports, when it fails.
std::optional<NewFontField> badNewFontField(
    const NewFontTexts& texts, std::span<const NewFontField> order = newFontFieldOrder);

} // namespace tessellon
