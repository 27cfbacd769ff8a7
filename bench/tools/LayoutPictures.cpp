// Draws the pictures of the manual (doc/pictures/*.svg): for each glyph built-in and the
// export targets' layouts, which pixel of a glyph goes to which bit of which byte, found by
// running the export's own code on glyphs with one pixel set; and the drawing offset of a
// new font.
// Usage: layout_pictures FOLDER
#include "export/EmitGlyph.h"
#include "export/ExportSource.h"
#include "export/GlyphMetrics.h"
#include "export/TargetLayouts.h"

#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace tessellon;

namespace {

constexpr int cell = 30;
constexpr int margin = 16;
constexpr int lineHeight = 18;

// One colour per glyph row, so that a bit shows the row its pixel came from.
const char* rowColour(int row)
{
    static const char* colours[] = { "#ffd9b3", "#c6e8c6", "#c9dcf5", "#f5d0e6", "#fff2a8",
        "#d6ccf2", "#bfe9e6", "#f2c9c0", "#e0e0c0", "#d0e6f7" };
    return colours[row % 10];
}

struct Pixel {
    int x;
    int y;
};

using Bytes = std::vector<std::uint8_t>;

struct Built {
    const char* name; // what the title names and the file is called after
    const char* layout;
    std::function<Bytes(const FontLib&, bool binary)> bytes;
    bool binary; // the item's form as the picture shows it
    bool followsInk = false; // the layout holds the ink box, not the whole cell
};

Bytes itemOf(const FontLib& font, std::int32_t zip, std::int32_t bin, std::int32_t col);

Built putItem(
    const char* name, const char* layout, std::int32_t zip, std::int32_t bin, std::int32_t col)
{
    return { name, layout,
        [zip, col](
            const FontLib& font, bool binary) { return itemOf(font, zip, binary ? 1 : 0, col); },
        bin != 0 };
}

const std::vector<Built>& builtIns()
{
    static const std::vector<Built> list {
        putItem("PUTITEM", "row layout, text form", 0, 0, 0),
        putItem("PUTITEMZIP", "packed layout, text form", 1, 0, 0),
        putItem("PUTITEMBIN", "row layout, binary form", 0, 1, 0),
        putItem("PUTITEMZIPBIN", "packed layout, binary form", 1, 1, 0),
        putItem("PUTITEMCOL", "column layout, text form", 0, 0, 1),
        putItem("PUTITEMCOLBIN", "column layout, binary form", 0, 1, 1),
    };
    return list;
}

Bytes inkOf(const FontLib& font)
{
    const InkBox box = inkBox(font, 0).value_or(InkBox {});
    Bytes bytes(inkBytes(box));
    writeInk(font, 0, box, bytes.data());
    return bytes;
}

Bytes pagesOf(const FontLib& font, const PageLayout& layout)
{
    Bytes bytes(pageBytes(font.info.glyphWidth, font.info.glyphHeight));
    Bytes scratch(bytes.size());
    writePages(font, 0, layout, scratch, bytes.data());
    return bytes;
}

Bytes rowsOf(const FontLib& font, const RowLayout& layout)
{
    Bytes bytes(rowBytes(font.info.glyphWidth, font.info.glyphHeight));
    writeRows(font, 0, layout, bytes.data());
    return bytes;
}

// The bytes as PUTITEM's text form writes them: "0x%02x," each.
Bytes asText(const Bytes& bytes)
{
    Bytes text;
    for (std::uint8_t byte : bytes) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02x,", byte);
        text.insert(text.end(), hex, hex + 5);
    }
    return text;
}

// The export targets' own layouts (the others are those of PUTITEM and PUTITEMCOL).
const std::vector<Built>& targetLayouts()
{
    static const std::vector<Built> list {
        { "PUTINK", "the ink box of Adafruit GFX and LVGL",
            [](const FontLib& font, bool binary) {
                return binary ? inkOf(font) : asText(inkOf(font));
            },
            false, true },
        { "PUTPAGES", "pages, bit 0 the bottom row, column after column",
            [](const FontLib& font, bool binary) {
                const Bytes bytes = pagesOf(font, { true, true });
                return binary ? bytes : asText(bytes);
            },
            false },
        { "PUTROWS", "rows, the leftmost pixel in bit 0, set bits background",
            [](const FontLib& font, bool binary) {
                const Bytes bytes = rowsOf(font, { true, true });
                return binary ? bytes : asText(bytes);
            },
            false },
    };
    return list;
}

FontLib fontFromRows(const std::vector<std::string>& rows)
{
    const int width = static_cast<int>(rows[0].size());
    const int height = static_cast<int>(rows.size());
    FontLib font = FontLib::blank(width, height, 1, true);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (rows[y][x] == '1') {
                font.setPixel(0, x, y);
            }
        }
    }
    return font;
}

Bytes itemOf(const FontLib& font, std::int32_t zip, std::int32_t bin, std::int32_t col)
{
    const ExportSource source = makeExportSource("", font);
    Bytes buffer(102400);
    const std::int32_t count = EmitGlyph(source, buffer, 0, zip, bin, col);
    buffer.resize(static_cast<std::size_t>(count));
    return buffer;
}

// Which pixel lands on bit b of byte k: found by clearing one pixel at a time of a glyph
// whose pixels are all set (within the example's ink box, for a layout that follows the
// ink, so that the box stays the same).
std::map<std::pair<std::size_t, int>, Pixel> bitSources(const FontLib& example, const Built& built)
{
    const int width = example.info.glyphWidth;
    const int height = example.info.glyphHeight;
    const InkBox box = built.followsInk ? inkBox(example, 0).value_or(InkBox {})
                                        : InkBox { 0, 0, width, height };
    FontLib full = FontLib::blank(width, height, 1, true);
    for (int y = box.y; y < box.bottom(); ++y) {
        for (int x = box.x; x < box.right(); ++x) {
            full.setPixel(0, x, y);
        }
    }
    const Bytes base = built.bytes(full, true);
    std::map<std::pair<std::size_t, int>, Pixel> sources;
    for (int y = box.y; y < box.bottom(); ++y) {
        for (int x = box.x; x < box.right(); ++x) {
            FontLib one = full;
            one.glyph(0)[y * one.rowBytes() + x / 8] &= static_cast<std::uint8_t>(~pixelMask(x));
            const Bytes bytes = built.bytes(one, true);
            for (std::size_t k = 0; k < bytes.size() && k < base.size(); ++k) {
                for (int bit = 0; bit < 8; ++bit) {
                    if (((bytes[k] ^ base[k]) >> bit) & 1) {
                        sources[{ k, bit }] = { x, y };
                    }
                }
            }
        }
    }
    return sources;
}

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    }
    return out;
}

class Svg {
public:
    void rect(int x, int y, int w, int h, const char* fill, const char* extra = "")
    {
        m_body << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << w << "\" height=\"" << h
               << "\" fill=\"" << fill << "\" stroke=\"#555\" " << extra << "/>\n";
    }
    void text(int x, int y, const std::string& content, int size = 12, const char* anchor = "start",
        const char* extra = "")
    {
        m_body << "<text x=\"" << x << "\" y=\"" << y << "\" font-size=\"" << size
               << "\" text-anchor=\"" << anchor << "\" " << extra << ">" << escaped(content)
               << "</text>\n";
    }
    void dot(int x, int y)
    {
        m_body << "<circle cx=\"" << x << "\" cy=\"" << y << "\" r=\"5\"/>\n";
    }
    void raw(const std::string& element) { m_body << element << "\n"; }

    void save(const std::string& path, int width, int height) const
    {
        std::ofstream out(path, std::ios::binary);
        out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\""
            << height << "\" viewBox=\"0 0 " << width << " " << height
            << "\" font-family=\"DejaVu Sans, Verdana, sans-serif\">\n"
            << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
            << m_body.str() << "</svg>\n";
    }

private:
    std::ostringstream m_body;
};

std::string coordinates(Pixel p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

std::string hexByte(std::uint8_t byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", byte);
    return text;
}

// The glyph, its pixels named x,y and coloured by row, the ink of the example marked.
int drawGlyph(Svg& svg, const FontLib& font, int left, int top)
{
    const int width = font.info.glyphWidth;
    const int height = font.info.glyphHeight;
    svg.text(left, top - 6,
        "glyph, " + std::to_string(width) + " x " + std::to_string(height)
            + " pixels (x,y; dot = ink)");
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int cx = left + x * cell;
            const int cy = top + y * cell;
            svg.rect(cx, cy, cell, cell, rowColour(y));
            svg.text(cx + cell / 2, cy + 11, coordinates({ x, y }), 9, "middle");
            if (font.pixel(0, x, y)) {
                svg.dot(cx + cell / 2, cy + 21);
            }
        }
    }
    return top + height * cell;
}

// Each byte of the item as its eight bits, bit 7 on the left, each bit coloured and named
// after the pixel it comes from; bits no pixel reaches hold 0 (or a padding bit as stored).
int drawBytes(Svg& svg, const FontLib& font, const Built& built, int left, int top)
{
    const auto sources = bitSources(font, built);
    const Bytes example = built.bytes(font, true);
    svg.text(left, top - 6, "item bytes, bit 7 (left) to bit 0 (right)");
    for (std::size_t k = 0; k < example.size(); ++k) {
        const int y = top + static_cast<int>(k) * cell;
        svg.text(left, y + 19, "byte " + std::to_string(k), 12);
        for (int bit = 7; bit >= 0; --bit) {
            const int x = left + 56 + (7 - bit) * cell;
            const auto source = sources.find({ k, bit });
            if (source == sources.end()) {
                svg.rect(x, y, cell, cell, "#eeeeee");
                svg.text(x + cell / 2, y + 19, "0", 10, "middle", "fill=\"#999\"");
                continue;
            }
            svg.rect(x, y, cell, cell, rowColour(source->second.y));
            svg.text(x + cell / 2, y + 11, coordinates(source->second), 9, "middle");
            if ((example[k] >> bit) & 1) {
                svg.dot(x + cell / 2, y + 21);
            }
        }
        svg.text(left + 56 + 8 * cell + 8, y + 19, "= " + hexByte(example[k]), 12);
    }
    return top + static_cast<int>(example.size()) * cell;
}

std::string itemText(const FontLib& font, const Built& built)
{
    const Bytes item = built.bytes(font, built.binary);
    if (built.binary) {
        std::string text = "the " + std::to_string(item.size()) + " bytes";
        for (std::uint8_t byte : item) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02X", byte);
            text += hex;
        }
        return text;
    }
    return "the text " + std::string(item.begin(), item.end());
}

void drawBuiltIn(const std::string& folder, const Built& built, const FontLib& font)
{
    Svg svg;
    svg.text(margin, margin + 8, std::string(built.name) + "(i): " + built.layout, 15, "start",
        "font-weight=\"bold\"");
    const int glyphTop = margin + 44;
    const int glyphBottom = drawGlyph(svg, font, margin, glyphTop);
    const int bytesLeft = margin + font.info.glyphWidth * cell + 40;
    const int bytesBottom = drawBytes(svg, font, built, bytesLeft, glyphTop);
    const int textTop = std::max(glyphBottom, bytesBottom) + 28;
    const std::string written = itemText(font, built);
    svg.text(margin, textTop, "For this glyph " + std::string(built.name) + " writes:", 12);
    svg.text(margin, textTop + lineHeight, written, 12, "start", "font-family=\"monospace\"");
    const int width = std::max(
        bytesLeft + 56 + 8 * cell + 70, margin * 2 + static_cast<int>(written.size()) * 8);
    std::string name = built.name;
    for (char& c : name) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    svg.save(folder + "/" + name + ".svg", width, textTop + lineHeight + margin);
}

// A character cell placed at offset (-3, 2) in a 12 x 16 glyph: what falls outside the
// glyph is cut off.
void drawOffset(const std::string& folder)
{
    const std::vector<std::string> letter { "0000110000", "0001111000", "0011001100", "0110000110",
        "0110000110", "0110000110", "0111111110", "0110000110", "0110000110", "0110000110",
        "0110000110", "0000000000", "0000000000", "0000000000" };
    constexpr int glyphWidth = 12;
    constexpr int glyphHeight = 16;
    constexpr int offsetX = -3;
    constexpr int offsetY = 2;
    constexpr int c = 18;
    const int left = margin + 4 * c;
    const int top = margin + 40;
    Svg svg;
    svg.text(margin, margin + 8, "Offset x -3, offset y 2 in a 12 x 16 glyph", 15, "start",
        "font-weight=\"bold\"");
    for (int y = 0; y < glyphHeight; ++y) {
        for (int x = 0; x < glyphWidth; ++x) {
            svg.rect(left + x * c, top + y * c, c, c, "white", "stroke-width=\"0.5\"");
        }
    }
    for (int y = 0; y < static_cast<int>(letter.size()); ++y) {
        for (int x = 0; x < static_cast<int>(letter[y].size()); ++x) {
            if (letter[y][x] != '1') {
                continue;
            }
            const int gx = x + offsetX;
            const int gy = y + offsetY;
            const bool inside = gx >= 0 && gx < glyphWidth && gy >= 0 && gy < glyphHeight;
            svg.rect(left + gx * c, top + gy * c, c, c, inside ? "black" : "#c8c8c8",
                "stroke-width=\"0.5\"");
        }
    }
    const int cellLeft = left + offsetX * c;
    const int cellTop = top + offsetY * c;
    const int cellWidth = static_cast<int>(letter[0].size()) * c;
    const int cellHeight = static_cast<int>(letter.size()) * c;
    svg.raw("<rect x=\"" + std::to_string(cellLeft) + "\" y=\"" + std::to_string(cellTop)
        + "\" width=\"" + std::to_string(cellWidth) + "\" height=\"" + std::to_string(cellHeight)
        + "\" fill=\"none\" stroke=\"#d00\" stroke-width=\"2\" stroke-dasharray=\"6 4\"/>");
    svg.raw("<rect x=\"" + std::to_string(left) + "\" y=\"" + std::to_string(top) + "\" width=\""
        + std::to_string(glyphWidth * c) + "\" height=\"" + std::to_string(glyphHeight * c)
        + "\" fill=\"none\" stroke=\"#0050c0\" stroke-width=\"3\"/>");
    const int noteLeft = left + glyphWidth * c + 24;
    svg.text(
        noteLeft, top + 14, "blue: the glyph, 12 x 16 pixels", 12, "start", "fill=\"#0050c0\"");
    svg.text(noteLeft, top + 14 + lineHeight, "red, dashed: the character's cell,", 12, "start",
        "fill=\"#d00\"");
    svg.text(noteLeft, top + 14 + 2 * lineHeight, "its top-left corner at (-3, 2)", 12, "start",
        "fill=\"#d00\"");
    svg.text(noteLeft, top + 14 + 4 * lineHeight, "black: ink the glyph keeps", 12);
    svg.text(noteLeft, top + 14 + 5 * lineHeight, "grey: ink cut off at the edge", 12);
    svg.save(folder + "/offset.svg", noteLeft + 230, top + glyphHeight * c + margin);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: layout_pictures FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    // The 11 x 3 glyph of the row and packed layouts: a leftover of three pixels.
    const FontLib wide = fontFromRows({ "10000001101", "01000010011", "11111111111" });
    // Two pages of columns: 6 x 10.
    const FontLib tall = fontFromRows({ "011110", "100001", "100001", "111111", "100001", "100001",
        "100001", "000000", "110011", "001100" });
    for (const Built& built : builtIns()) {
        drawBuiltIn(
            folder, built, std::string(built.name).find("COL") != std::string::npos ? tall : wide);
    }
    // An ink box of 5 x 4 pixels in a cell of 8 x 6.
    const FontLib inked
        = fontFromRows({ "00000000", "00111000", "01000100", "01111100", "01000100", "00000000" });
    const auto& targets = targetLayouts();
    drawBuiltIn(folder, targets[0], inked);
    drawBuiltIn(folder, targets[1], tall);
    drawBuiltIn(folder, targets[2], wide);
    drawOffset(folder);
    return 0;
}
