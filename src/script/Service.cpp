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
    } };

    constexpr bool numberedByPosition()
    {
        for (std::size_t number = 0; number < table.size(); ++number) {
            if (serviceNumber(table[number].service) != number) {
                return false;
            }
        }
        return true;
    }
    static_assert(numberedByPosition(), "a service's number is its place in the table");

} // namespace

const ServiceInfo* serviceInfo(std::uint32_t number)
{
    return number < table.size() ? &table[number] : nullptr;
}

const ServiceInfo* serviceOfKeyword(TokenKind kind)
{
    for (const ServiceInfo& info : table) {
        if (info.keyword == kind) {
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
