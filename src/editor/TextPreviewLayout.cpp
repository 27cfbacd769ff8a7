#include "editor/TextPreviewLayout.h"

#include <algorithm>

namespace tessellon {

namespace {

    struct Character {
        std::optional<std::uint32_t> glyph;
        bool space = false;
        bool lineBreak = false;
    };

    bool isHighSurrogate(char16_t unit) { return unit >= 0xd800 && unit <= 0xdbff; }
    bool isLowSurrogate(char16_t unit) { return unit >= 0xdc00 && unit <= 0xdfff; }

    std::vector<Character> readCharacters(std::u16string_view text, const GlyphCodeIndex& codes)
    {
        std::vector<Character> characters;
        characters.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t unit = text[i];
            if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
                characters.push_back({});
                ++i;
                continue;
            }
            characters.push_back({ codes.find(unit), unit == u' ', unit == u'\n' });
        }
        return characters;
    }

    // Puts characters one after the other into lines of a fixed number of cells.
    class LineSetter {
    public:
        LineSetter(TextPreviewLayout& layout, int cellWidth, int cellHeight, int cellsPerLine)
            : m_layout(layout)
            , m_cellWidth(cellWidth)
            , m_cellHeight(cellHeight)
            , m_cellsPerLine(cellsPerLine)
        {
        }

        bool lineFull() const { return m_column == m_cellsPerLine; }
        bool fits(int cells) const { return m_column == 0 || m_column + cells <= m_cellsPerLine; }

        void newLine()
        {
            ++m_line;
            m_column = 0;
        }

        void place(const Character& character)
        {
            if (lineFull()) {
                newLine();
            }
            m_layout.glyphs.push_back(
                { m_column * m_cellWidth, m_line * m_cellHeight, character.glyph });
            ++m_column;
        }

        int lines() const { return m_line + 1; }

    private:
        TextPreviewLayout& m_layout;
        int m_cellWidth;
        int m_cellHeight;
        int m_cellsPerLine;
        int m_line = 0;
        int m_column = 0;
    };

    bool endsWord(const Character& character) { return character.space || character.lineBreak; }

} // namespace

TextPreviewLayout layOutPreviewText(std::u16string_view text, int glyphWidth, int glyphHeight,
    const GlyphCodeIndex& codes, int displayWidth)
{
    const std::vector<Character> characters = readCharacters(text, codes);
    TextPreviewLayout layout;
    layout.glyphs.reserve(characters.size());
    const int cellsPerLine = std::max(1, displayWidth / std::max(1, glyphWidth));
    LineSetter setter(layout, glyphWidth, glyphHeight, cellsPerLine);
    for (std::size_t i = 0; i < characters.size();) {
        const Character& character = characters[i];
        if (character.lineBreak) {
            setter.newLine();
            ++i;
        } else if (character.space) {
            // A space that would start the next line is where the line breaks.
            if (setter.lineFull()) {
                setter.newLine();
            } else {
                setter.place(character);
            }
            ++i;
        } else {
            const auto wordEnd = std::find_if(characters.begin() + i, characters.end(), endsWord);
            const auto end = static_cast<std::size_t>(wordEnd - characters.begin());
            const int length = static_cast<int>(end - i);
            if (length <= cellsPerLine && !setter.fits(length)) {
                setter.newLine();
            }
            for (; i < end; ++i) {
                setter.place(characters[i]);
            }
        }
    }
    for (const Character& character : characters) {
        layout.missing += !character.lineBreak && !character.glyph ? 1 : 0;
    }
    layout.lines = characters.empty() ? 0 : setter.lines();
    return layout;
}

std::vector<int> baselineRows(int displayHeight, int glyphHeight, int baseline)
{
    std::vector<int> rows;
    if (glyphHeight <= 0) {
        return rows;
    }
    for (int top = 0; top < displayHeight && top + baseline <= displayHeight; top += glyphHeight) {
        rows.push_back(top + baseline);
    }
    return rows;
}

} // namespace tessellon
