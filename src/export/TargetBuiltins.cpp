#include "export/TargetBuiltins.h"

#include "export/HexText.h"
#include "export/TargetLayouts.h"

#include <algorithm>
#include <cstdio>

namespace tessellon {

namespace {

    constexpr const char* lineEnd = "\r\n";

    std::uint32_t valueOf(int number) { return static_cast<std::uint32_t>(number); }

    std::span<const std::uint8_t> bytesOf(const std::string& text)
    {
        return { reinterpret_cast<const std::uint8_t*>(text.data()), text.size() };
    }

    void appendHex(std::string& text, const std::uint8_t* bytes, std::size_t count)
    {
        const std::size_t at = text.size();
        text.resize(at + count * hexTextBytesPerByte);
        writeHexText(bytes, count, reinterpret_cast<std::uint8_t*>(text.data() + at));
    }

    struct Cmap {
        std::uint16_t first;
        std::uint16_t last;
        std::uint32_t start; // place in code order
        std::uint32_t count;

        bool sparse() const { return static_cast<std::uint32_t>(last - first + 1) > count; }
    };

    Cmap cmapOf(const TargetFont& font, std::size_t run)
    {
        const std::uint32_t start = font.runStarts[run];
        const std::uint32_t end = font.runEnd(run);
        return { font.order.codes[start], font.order.codes[end - 1], start, end - start };
    }

    void appendCodeList(
        std::string& text, const TargetFont& font, std::size_t run, const Cmap& cmap)
    {
        char line[64];
        std::snprintf(line, sizeof line, "static const uint16_t unicode_list_%zu[] = {", run);
        text += line;
        for (std::uint32_t k = 0; k < cmap.count; ++k) {
            std::snprintf(line, sizeof line, "%s0x%04X,", k % 8 == 0 ? "\r\n  " : " ",
                font.order.codes[cmap.start + k] - cmap.first);
            text += line;
        }
        text += "\r\n};\r\n\r\n";
    }

    void appendCmapRow(std::string& text, std::size_t run, const Cmap& cmap)
    {
        char row[160];
        const unsigned glyphId = cmap.start + 1; // id 0 is no glyph
        const unsigned length = cmap.last - cmap.first + 1u;
        if (cmap.sparse()) {
            std::snprintf(row, sizeof row,
                "  {0x%04X, %u, %u, unicode_list_%zu, NULL, %u, LV_FONT_FMT_TXT_CMAP_SPARSE_TINY},"
                "\r\n",
                cmap.first, length, glyphId, run, cmap.count);
        } else {
            std::snprintf(row, sizeof row,
                "  {0x%04X, %u - LV8_RANGE_FIX, %u, NULL, NULL, 0, "
                "LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY},\r\n",
                cmap.first, length, glyphId);
        }
        text += row;
    }

} // namespace

std::string encodedFontText(const std::vector<std::uint8_t>& bytes)
{
    std::string text;
    text.reserve(bytes.size() * hexTextBytesPerByte + bytes.size() / 4 + 4);
    for (std::size_t at = 0; at < bytes.size(); at += TargetBuiltins::encodedBytesPerLine) {
        text += "  ";
        appendHex(text, bytes.data() + at,
            std::min(TargetBuiltins::encodedBytesPerLine, bytes.size() - at));
        text += lineEnd;
    }
    return text;
}

// A range (FORMAT0_TINY) ends at range_start + range_length - 1 in LVGL 9 but at
// range_start + range_length in LVGL 8, which would take the code after a range for the
// glyph after it; LV8_RANGE_FIX gives LVGL 8 one less, so both find exactly the range's codes.
// A sparse map's code past its end is in no list, so both versions pass over it.
std::string lvglCmapsText(const TargetFont& font)
{
    std::string text = "/* LVGL 8 takes a range's last code as range_start + range_length. */\r\n"
                       "#if LVGL_VERSION_MAJOR == 8\r\n#define LV8_RANGE_FIX 1\r\n#else\r\n"
                       "#define LV8_RANGE_FIX 0\r\n#endif\r\n\r\n";
    for (std::size_t run = 0; run < font.runCount(); ++run) {
        if (const Cmap cmap = cmapOf(font, run); cmap.sparse()) {
            appendCodeList(text, font, run, cmap);
        }
    }
    text += "static const lv_font_fmt_txt_cmap_t cmaps[] = {\r\n";
    for (std::size_t run = 0; run < font.runCount(); ++run) {
        appendCmapRow(text, run, cmapOf(font, run));
    }
    text += "};\r\n";
    return text;
}

TargetBuiltins::TargetBuiltins(const TargetFont& font)
    : m_font(&font)
    , m_scratch(pageBytes(font.font->info.glyphWidth, font.font->info.glyphHeight))
{
}

std::int32_t TargetBuiltins::constant(Service service) const
{
    const TargetFont& font = *m_font;
    switch (service) {
    case Service::FontWidth:
        return font.font->info.glyphWidth;
    case Service::FontHeight:
        return font.font->info.glyphHeight;
    case Service::FontBaseline:
        return font.baseline;
    case Service::CodeCount:
        return static_cast<std::int32_t>(font.order.size());
    case Service::RunCount:
        return static_cast<std::int32_t>(font.runCount());
    case Service::SpaceAdvance:
        return font.spaceAdvance;
    case Service::Proportional:
        return font.choices.advance.proportional ? 1 : 0;
    case Service::Layout:
        return font.layout;
    case Service::EncodedBytes:
        return static_cast<std::int32_t>(font.encoded.bytes.size());
    default:
        return 0;
    }
}

std::uint32_t TargetBuiltins::value(Service service, std::uint32_t argument) const
{
    const TargetFont& font = *m_font;
    const InkBox box = font.ink(argument);
    switch (service) {
    case Service::GlyphAt:
        return argument < font.order.size() ? font.order.glyphs[argument]
                                            : font.font->info.glyphCount;
    case Service::RunStart:
        return argument < font.runCount() ? font.runStarts[argument]
                                          : static_cast<std::uint32_t>(font.order.size());
    case Service::InkX:
        return valueOf(box.x);
    case Service::InkY:
        return valueOf(box.y);
    case Service::InkW:
        return valueOf(box.width);
    case Service::InkH:
        return valueOf(box.height);
    case Service::Advance:
        return valueOf(font.advance(argument));
    default:
        return 0;
    }
}

void TargetBuiltins::item(Service service, std::uint32_t argument, const ItemWriter& write) const
{
    switch (service) {
    case Service::PutName:
        write(bytesOf(m_font->choices.name));
        break;
    case Service::PutEncoded:
        write(bytesOf(encodedFontText(m_font->encoded.bytes)));
        break;
    case Service::PutCmaps:
        write(bytesOf(lvglCmapsText(*m_font)));
        break;
    default:
        glyphItem(service, argument, write);
        break;
    }
}

// The glyph's bytes in the item's layout, then as "0x%02x," text each, as PUTITEM writes.
void TargetBuiltins::glyphItem(Service service, std::uint32_t glyph, const ItemWriter& write) const
{
    if (glyph >= m_font->font->info.glyphCount) {
        return;
    }
    const std::size_t count = layOut(service, glyph);
    if (count == 0) {
        return;
    }
    const std::size_t textLength = count * hexTextBytesPerByte;
    m_bytes.resize(textLength);
    // The bytes were laid out in the tail and turn into text in place.
    writeHexText(m_bytes.data() + textLength - count, count, m_bytes.data());
    write({ m_bytes.data(), textLength });
}

// Lays the glyph's bytes out in the tail of m_bytes (which it sizes to hold their text) and
// gives their number; 0 for a service of no glyph layout.
std::size_t TargetBuiltins::layOut(Service service, std::uint32_t glyph) const
{
    const TargetFont& font = *m_font;
    const FontLibInfo& info = font.font->info;
    std::size_t count = 0;
    switch (service) {
    case Service::PutInk:
        count = inkBytes(font.ink(glyph));
        break;
    case Service::PutPages:
        count = pageBytes(info.glyphWidth, info.glyphHeight);
        break;
    case Service::PutRows:
        count = rowBytes(info.glyphWidth, info.glyphHeight);
        break;
    default:
        return 0;
    }
    m_bytes.resize(count * hexTextBytesPerByte);
    std::uint8_t* tail = m_bytes.data() + m_bytes.size() - count;
    if (service == Service::PutInk) {
        writeInk(*font.font, glyph, font.ink(glyph), tail);
    } else if (service == Service::PutPages) {
        writePages(*font.font, glyph, font.choices.pages, m_scratch, tail);
    } else {
        writeRows(*font.font, glyph, font.choices.rows, tail);
    }
    return count;
}

} // namespace tessellon
