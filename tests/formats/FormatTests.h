#pragma once

#include "document/ByteSource.h"
#include "formats/FontFileFormats.h"

#include "support/FontBuilders.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Helpers of the font format tests: reading text formats from memory and running the
// programs of other projects that some tests compare with.
namespace tessellon::test {

struct TextRead {
    Result<FontLib> font;
    ReadNotes notes;
};

inline TextRead readText(
    FontFileFormat::Reader reader, const std::string& text, const FontFileOptions& options = {})
{
    MemoryByteSource source({ reinterpret_cast<const std::uint8_t*>(text.data()), text.size() });
    ReadNotes notes;
    Result<FontLib> font = reader(source, options, notes);
    return { std::move(font), std::move(notes) };
}

// Whether a program of that name is on the PATH.
inline bool hasProgram(const std::string& name)
{
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command with its output thrown away; true when it exits with 0.
inline bool runQuietly(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// The glyph of font as rows of '0' and '1'.
inline std::vector<std::string> glyphRows(const FontLib& font, std::uint32_t index)
{
    std::vector<std::string> rows;
    for (int y = 0; y < font.info.glyphHeight; ++y) {
        std::string row;
        for (int x = 0; x < font.info.glyphWidth; ++x) {
            row += font.pixel(index, x, y) ? '1' : '0';
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace tessellon::test
