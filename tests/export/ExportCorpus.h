#pragma once

// The fonts every export target is checked on, built in code.

#include "document/FontLib.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tessellon::test {

struct CorpusFont {
    std::string name;
    FontLib font;
    int baseline = 0;
};

// The pictures a corpus glyph may have, so that runs of every length occur: specks,
// noise of several densities, filled and framed boxes, stripes, diagonals and nothing.
enum class Picture { Empty, Speck, SparseNoise, Noise, DenseNoise, Block, Frame, Stripes, Slash };

inline void drawPicture(FontLib& font, std::uint32_t index, Picture picture, std::mt19937& random)
{
    const int w = font.info.glyphWidth;
    const int h = font.info.glyphHeight;
    const auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h; };
    const int x0 = static_cast<int>(random() % w);
    const int y0 = static_cast<int>(random() % h);
    const int x1 = x0 + static_cast<int>(random() % (w - x0));
    const int y1 = y0 + static_cast<int>(random() % (h - y0));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t dice = random() % 100;
            const bool inBox = x >= x0 && x <= x1 && y >= y0 && y <= y1;
            bool ink = false;
            switch (picture) {
            case Picture::Empty:
                break;
            case Picture::Speck:
                ink = x == x0 && y == y0;
                break;
            case Picture::SparseNoise:
                ink = dice < 6;
                break;
            case Picture::Noise:
                ink = dice < 40;
                break;
            case Picture::DenseNoise:
                ink = dice < 85;
                break;
            case Picture::Block:
                ink = inBox;
                break;
            case Picture::Frame:
                ink = inBox && (x == x0 || x == x1 || y == y0 || y == y1);
                break;
            case Picture::Stripes:
                ink = inBox && (y % 2 == 0);
                break;
            case Picture::Slash:
                ink = inside(x, y) && (x + y) % (w + 1) == x0 % (w + 1);
                break;
            }
            if (ink) {
                font.setPixel(index, x, y);
            }
        }
    }
}

// A font of the codes given (no code table when codes is empty: count glyphs), its glyphs
// drawn in turn from the pictures given.
inline FontLib picturedFont(int width, int height, const std::vector<std::uint16_t>& codes,
    const std::vector<Picture>& pictures, std::uint32_t seed, std::uint32_t count = 0)
{
    const auto glyphs = codes.empty() ? count : static_cast<std::uint32_t>(codes.size());
    FontLib font = FontLib::blank(width, height, glyphs, !codes.empty());
    if (!codes.empty()) {
        *font.codeTable = codes;
    }
    std::mt19937 random(seed);
    for (std::uint32_t i = 0; i < glyphs; ++i) {
        drawPicture(font, i, pictures[i % pictures.size()], random);
    }
    return font;
}

inline std::vector<std::uint16_t> codeRange(std::uint16_t first, std::uint16_t last)
{
    std::vector<std::uint16_t> codes;
    for (std::uint32_t code = first; code <= last; ++code) {
        codes.push_back(static_cast<std::uint16_t>(code));
    }
    return codes;
}

inline std::vector<std::uint16_t> joined(
    std::vector<std::uint16_t> codes, const std::vector<std::uint16_t>& more)
{
    codes.insert(codes.end(), more.begin(), more.end());
    return codes;
}

inline std::vector<CorpusFont> exportCorpus()
{
    using P = Picture;
    const std::vector<Picture> every { P::Speck, P::SparseNoise, P::Noise, P::DenseNoise, P::Block,
        P::Frame, P::Stripes, P::Slash, P::Empty };
    const std::vector<Picture> drawn { P::Speck, P::SparseNoise, P::Block, P::Frame, P::Stripes,
        P::Slash };
    const std::vector<Picture> mostlyEmpty { P::Empty, P::Speck, P::Empty, P::Block, P::Empty,
        P::DenseNoise };
    std::vector<CorpusFont> corpus;
    corpus.push_back({ "8 x 8", picturedFont(8, 8, codeRange(0x20, 0x7E), every, 1), 7 });
    corpus.push_back({ "7 x 14",
        picturedFont(7, 14, joined(codeRange(0x20, 0x7E), codeRange(0xA0, 0xFF)), every, 2), 11 });
    corpus.push_back({ "16 x 16 above FF",
        picturedFont(16, 16,
            joined(joined(codeRange(0x41, 0x5A), codeRange(0x4E00, 0x4F2B)),
                { 0x00FF, 0x0100, 0x3000, 0xFFFE, 0xFFFF }),
            every, 3),
        14 });
    // Codes out of order, one code twice (the first glyph is the one kept).
    FontLib empties = picturedFont(
        12, 10, { 0x20, 0x41, 0xA0, 0x41, 0x3000, 0x42, 0x00, 0x43 }, mostlyEmpty, 4);
    corpus.push_back({ "empty glyphs", empties, 8 });
    corpus.push_back({ "1 pixel wide", picturedFont(1, 12, codeRange(0x30, 0x5F), every, 5), 10 });
    corpus.push_back({ "33 x 40", picturedFont(33, 40, codeRange(0x21, 0x50), drawn, 6), 32 });
    corpus.push_back({ "no code table", picturedFont(8, 8, {}, every, 7, 300), 6 });
    return corpus;
}

} // namespace tessellon::test
