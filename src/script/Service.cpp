#include "script/Service.h"

#include <array>

namespace tessellon {

namespace {

    using A = ServiceArgument;
    using T = TokenKind;

    constexpr std::array<ServiceInfo, serviceCount> table = { {
        { Service::Write, "WRITE", T::Write, A::Format, false, {},
            "format the words by the printf rules and write the text" },
        { Service::PutItem, "PUTITEM", T::PutItem, A::GlyphIndex, false, { 0, 0, 0 },
            "write the glyph's stored rows as C hex text" },
        { Service::PutItemZip, "PUTITEMZIP", T::PutItemZip, A::GlyphIndex, false, { 1, 0, 0 },
            "write the glyph packed, as C hex text" },
        { Service::PutItemBin, "PUTITEMBIN", T::PutItemBin, A::GlyphIndex, false, { 0, 1, 0 },
            "write the glyph's stored rows as bytes" },
        { Service::PutItemZipBin, "PUTITEMZIPBIN", T::PutItemZipBin, A::GlyphIndex, false,
            { 1, 1, 0 }, "write the glyph packed, as bytes" },
        { Service::PutItemCol, "PUTITEMCOL", T::PutItemCol, A::GlyphIndex, false, { 0, 0, 1 },
            "write the glyph in 8-row column pages, as C hex text" },
        { Service::PutItemColBin, "PUTITEMCOLBIN", T::PutItemColBin, A::GlyphIndex, false,
            { 0, 1, 1 }, "write the glyph in 8-row column pages, as bytes" },
        { Service::GetUnicode, "GETUNICODE", T::GetUnicode, A::GlyphIndex, true, {},
            "push the glyph's character code" },
        { Service::GlyphAt, "GLYPH_AT", T::GlyphAt, A::GlyphIndex, true, {},
            "push the index of the glyph k-th in code order", true },
        { Service::RunStart, "RUN_START", T::RunStart, A::GlyphIndex, true, {},
            "push the place in code order where run r starts (CODE_COUNT for r = RUN_COUNT)",
            true },
        { Service::InkX, "INK_X", T::InkX, A::GlyphIndex, true, {},
            "push the left edge of the glyph's ink", true },
        { Service::InkY, "INK_Y", T::InkY, A::GlyphIndex, true, {},
            "push the top edge of the glyph's ink (FONT_BASELINE when it has none)", true },
        { Service::InkW, "INK_W", T::InkW, A::GlyphIndex, true, {},
            "push the width of the glyph's ink", true },
        { Service::InkH, "INK_H", T::InkH, A::GlyphIndex, true, {},
            "push the height of the glyph's ink", true },
        { Service::Advance, "ADVANCE", T::Advance, A::GlyphIndex, true, {},
            "push how far the pen moves after the glyph", true },
        { Service::PutInk, "PUTINK", T::PutInk, A::GlyphIndex, false, {},
            "write the glyph's ink box, rows without padding, as C hex text", true },
        { Service::PutPages, "PUTPAGES", T::PutPages, A::GlyphIndex, false, {},
            "write the glyph in 8-row pages as the run's layout says, as C hex text", true },
        { Service::PutRows, "PUTROWS", T::PutRows, A::GlyphIndex, false, {},
            "write the glyph's rows as the run's layout says, as C hex text", true },
        { Service::PutEncoded, "PUTENCODED", T::PutEncoded, A::None, false, {},
            "write the whole encoded font as C hex text, 16 bytes a line", true },
        { Service::PutName, "PUTNAME", T::PutName, A::None, false, {},
            "write the font's C identifier", true },
        { Service::PutCmaps, "PUTCMAPS", T::PutCmaps, A::None, false, {},
            "write LVGL's character maps of the runs: the lists and the array cmaps", true },
        { Service::FontWidth, "FONT_WIDTH", T::Number, A::Constant, false, {}, "the glyph width",
            true },
        { Service::FontHeight, "FONT_HEIGHT", T::Number, A::Constant, false, {}, "the glyph height",
            true },
        { Service::FontBaseline, "FONT_BASELINE", T::Number, A::Constant, false, {},
            "the rows of the cell above the baseline", true },
        { Service::CodeCount, "CODE_COUNT", T::Number, A::Constant, false, {},
            "the glyphs the target keeps, one per code", true },
        { Service::RunCount, "RUN_COUNT", T::Number, A::Constant, false, {},
            "the runs the target groups the codes in", true },
        { Service::SpaceAdvance, "SPACE_ADVANCE", T::Number, A::Constant, false, {},
            "the advance of a glyph without ink", true },
        { Service::Proportional, "PROPORTIONAL", T::Number, A::Constant, false, {},
            "1 when advances follow the ink, else 0", true },
        { Service::Layout, "LAYOUT", T::Number, A::Constant, false, {},
            "the layout flags of PUTPAGES and PUTROWS", true },
        { Service::EncodedBytes, "ENCODED_BYTES", T::Number, A::Constant, false, {},
            "the bytes of the encoded font", true },
    } };

    // The language's services are numbered by their place in the table, the targets' from
    // firstTargetService on, in order.
    constexpr std::uint32_t numberAt(std::size_t place)
    {
        return place < languageServiceCount
            ? static_cast<std::uint32_t>(place)
            : firstTargetService + static_cast<std::uint32_t>(place - languageServiceCount);
    }

    constexpr bool numberedByPosition()
    {
        for (std::size_t place = 0; place < table.size(); ++place) {
            if (serviceNumber(table[place].service) != numberAt(place)) {
                return false;
            }
        }
        return true;
    }
    static_assert(numberedByPosition(), "a service's number follows from its place in the table");

} // namespace

const ServiceInfo* serviceInfo(std::uint32_t number)
{
    if (number < languageServiceCount) {
        return &table[number];
    }
    const std::uint32_t place = number - firstTargetService + languageServiceCount;
    return number >= firstTargetService && place < table.size() ? &table[place] : nullptr;
}

const ServiceInfo* serviceOfKeyword(TokenKind kind)
{
    for (const ServiceInfo& info : table) {
        if (info.keyword == kind && info.argument != ServiceArgument::Constant) {
            return &info;
        }
    }
    return nullptr;
}

const ServiceInfo* serviceNamed(std::string_view word)
{
    for (const ServiceInfo& info : table) {
        if (info.name == word) {
            return &info;
        }
    }
    return nullptr;
}

} // namespace tessellon
