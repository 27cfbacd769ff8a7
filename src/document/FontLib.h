#pragma once

#include "document/FontLibInfo.h"
#include "document/Result.h"
#include "document/RgbImage.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessellon {

// Glyph sizes the program handles: the editor shows them and every export layout fits
// its item buffer.
inline constexpr int minGlyphSide = 1;
inline constexpr int maxGlyphSide = 256;

bool isSupportedGlyphSize(int width, int height);

// Bounds on what one font may claim, so that a huge file cannot make the program allocate
// more than it can hold. A million glyphs is far beyond any real character set (a 16-bit code
// space repeated sixteen times).
inline constexpr std::uint32_t maxCharSetGlyphs = 1u << 20;
inline constexpr std::uint64_t maxNewFontPixelBytes = 512ull << 20;

// The bound a font of count glyphs of width x height pixels passes, the glyph side first, then
// the glyph count, then the bytes of its pixels (fontPixelBytes); nothing for a font within
// them all. Making, importing and building fonts check it, each with its own message.
enum class FontSizeBound { GlyphSide, GlyphCount, PixelBytes };
std::optional<FontSizeBound> fontSizeBoundPassed(int width, int height, std::uint64_t count);
std::uint64_t fontPixelBytes(int width, int height, std::uint64_t count);

// A baseline of rows above it fits a cell glyphHeight rows high when it lies from its top
// edge (0) to its bottom edge (glyphHeight); otherwise the message names the limit.
Status checkBaseline(int rows, int glyphHeight);

std::size_t rowBytesFor(int glyphWidth);

// The bit of pixel x within its byte of a packed row: the most significant bit is leftmost.
inline std::uint8_t pixelMask(int x) { return static_cast<std::uint8_t>(0x80u >> (x & 7)); }

// Packs the width x height block of image whose top-left pixel is (x0, y0) into bytes
// (rowBytesFor(width) * height of them): only exactly black pixels are ink; pixels
// outside the image are background; padding bits are 0.
void readGlyphBits(
    const RgbImage& image, int x0, int y0, int width, int height, std::span<std::uint8_t> bytes);

// A fixed-size bitmap font: glyphCount glyphs of glyphWidth x glyphHeight pixels, packed
// one bit per pixel with rows padded to whole bytes (most significant bit leftmost, set
// bit is ink, padding 0), and optionally one 16-bit character code per glyph.
//
// Invariants: pixelData holds glyphCount * glyphBytes() bytes; codeTable, when present,
// glyphCount entries.
struct FontLib {
    FontLibInfo info;
    std::vector<std::uint8_t> pixelData;
    std::optional<std::vector<std::uint16_t>> codeTable;
    // Rows of the cell above the baseline (0 to glyphHeight); unknown for fonts that came
    // without one.
    std::optional<int> baseline;

    // A font of blank glyphs, with a code table of zeros when withCodes is set.
    static FontLib blank(int glyphWidth, int glyphHeight, std::uint32_t glyphCount, bool withCodes);

    std::size_t rowBytes() const { return rowBytesFor(info.glyphWidth); }
    std::size_t glyphBytes() const { return rowBytes() * info.glyphHeight; }
    bool hasGlyph(std::uint32_t index) const { return index < info.glyphCount; }
    bool isConsistent() const;
    // The baseline, or the cell's bottom edge when it is unknown.
    int baselineOrDefault() const { return baseline.value_or(info.glyphHeight); }

    std::span<std::uint8_t> glyph(std::uint32_t index);
    std::span<const std::uint8_t> glyph(std::uint32_t index) const;

    // Pixel access within a valid glyph; x and y must lie inside the glyph.
    bool pixel(std::uint32_t index, int x, int y) const;
    void setPixel(std::uint32_t index, int x, int y);

    // Draws glyph index with its top-left at (x0, y0): ink black, clear pixels in
    // background. Pixels outside the image are skipped. False for an index at or beyond
    // glyphCount, with nothing drawn.
    bool DrawGlyph(RgbImage& image, int x0, int y0, std::uint32_t index, Rgb background) const;

    // Rebuilds glyph index from the image: only exactly black pixels are ink; pixels
    // outside the image are background. False for an index at or beyond glyphCount,
    // with nothing changed.
    bool ReadGlyph(const RgbImage& image, int x0, int y0, std::uint32_t index);
};

} // namespace tessellon
