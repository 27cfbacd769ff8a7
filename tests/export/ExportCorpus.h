#pragma once

// The fonts every export target is checked on (TargetDecoding_test.cpp), built in code.

#include "document/FontLib.h"
#include "document/PixReader.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tessellon::test {

// A font of the corpus; its baseline is the font's own (the cell's bottom where unknown).
struct CorpusFont {
    std::string name;
    FontLib font;
};

// The pictures a corpus glyph may have, so that runs of every length occur: specks, noise of
// several densities, filled and framed boxes, stripes, diagonals and nothing; and glyphs like
// a real font's, whose rows repeat the row above or are shared with other glyphs.
enum class Picture {
    Empty,
    Speck,
    SparseNoise,
    Noise,
    DenseNoise,
    Block,
    Frame,
    Stripes,
    Slash,
    SharedRows
};

// What the glyphs of one font draw from: its random numbers, and the rows its glyphs share.
struct PictureSource {
    std::mt19937 random;
    std::vector<std::uint32_t> sharedRows;

    explicit PictureSource(std::uint32_t seed)
        : random(seed)
    {
        for (int i = 0; i < 5; ++i) {
            sharedRows.push_back(static_cast<std::uint32_t>(random()));
        }
    }

    int below(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
};

// Most boxes one of three shapes, some anywhere; each row the one above again, one of the
// shared rows, or a row of its own, the bits of a row by the column, so that a row shared by
// glyphs of different boxes holds the same pixels.
inline void drawSharedRows(FontLib& font, std::uint32_t index, PictureSource& source)
{
    const int w = font.info.glyphWidth;
    const int h = font.info.glyphHeight;
    const InkBox shapes[]
        = { { 0, 0, w, h }, { w / 4, h / 3, (w + 1) / 2, h / 2 + 1 }, { 1 % w, 0, w - 1 % w, h } };
    InkBox box = shapes[source.below(3)];
    if (source.below(4) == 0) {
        box.x = source.below(w);
        box.y = source.below(h);
        box.width = 1 + source.below(w - box.x);
        box.height = 1 + source.below(h - box.y);
    }
    std::uint32_t bits = 0;
    for (int y = box.y; y < box.bottom(); ++y) {
        const int kind = source.below(3);
        bits = kind == 0 && y > box.y ? bits
            : kind == 1               ? source.sharedRows[source.below(5)]
                                      : static_cast<std::uint32_t>(source.random());
        for (int x = box.x; x < box.right(); ++x) {
            if ((bits >> (x % 32)) & 1u) {
                font.setPixel(index, x, y);
            }
        }
    }
}

inline void drawPicture(FontLib& font, std::uint32_t index, Picture picture, PictureSource& source)
{
    if (picture == Picture::SharedRows) {
        drawSharedRows(font, index, source);
        return;
    }
    const int w = font.info.glyphWidth;
    const int h = font.info.glyphHeight;
    const int x0 = source.below(w);
    const int y0 = source.below(h);
    const int x1 = x0 + source.below(w - x0);
    const int y1 = y0 + source.below(h - y0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int dice = source.below(100);
            const bool inBox = x >= x0 && x <= x1 && y >= y0 && y <= y1;
            bool ink = false;
            switch (picture) {
            case Picture::Empty:
            case Picture::SharedRows:
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
                ink = (x + y) % (w + 1) == x0 % (w + 1);
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
    PictureSource source(seed);
    for (std::uint32_t i = 0; i < glyphs; ++i) {
        drawPicture(font, i, pictures[i % pictures.size()], source);
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

inline CorpusFont withBaseline(std::string name, FontLib font, int baseline)
{
    font.baseline = baseline;
    return { std::move(name), std::move(font) };
}

// Latin below 0x100 and CJK above it: a long run with a hole, scattered codes, the edges of
// the code space, and one code again at the end (the first glyph with it is the one kept).
inline std::vector<std::uint16_t> cjkCodes()
{
    std::vector<std::uint16_t> cjk = codeRange(0x4E00, 0x4F2B);
    cjk.erase(cjk.begin() + 0x64, cjk.begin() + 0x67);
    return joined(joined(joined(codeRange(0x41, 0x5A), { 0xE9 }), cjk),
        { 0x5000, 0x5002, 0x5010, 0x6000, 0x9FA5, 0x00FF, 0x0100, 0x3000, 0xFFFE, 0xFFFF, 0x4E10 });
}

// The sample font; 8 x 8 and 7 x 14 fonts; a 16 x 16 CJK font with codes above 0xFF; a font
// of mostly empty glyphs; a 1-pixel-wide font; a 33 x 40 font; a font without a code table;
// and a font of nothing but empty glyphs. Between them: codes held twice, codes out of
// order, code 0, the highest codes, baselines at the top and at the bottom of the cell.
inline std::vector<CorpusFont> exportCorpus()
{
    using P = Picture;
    const std::vector<Picture> every { P::Speck, P::SparseNoise, P::Noise, P::DenseNoise, P::Block,
        P::Frame, P::Stripes, P::Slash, P::Empty, P::SharedRows };
    const std::vector<Picture> likeText { P::SharedRows, P::SharedRows, P::SharedRows, P::Block,
        P::SharedRows, P::SharedRows, P::Empty };
    const std::vector<Picture> drawn { P::Speck, P::SparseNoise, P::Block, P::Frame, P::Stripes,
        P::Slash, P::SharedRows };
    const std::vector<Picture> mostlyEmpty { P::Empty, P::Speck, P::Empty, P::Block, P::Empty,
        P::DenseNoise };
    std::vector<CorpusFont> corpus;
    Result<FontLib> sample = readPixFile(TEST_DATA_DIR "/fonts/sample.pix");
    corpus.push_back({ "sample", sample ? std::move(sample).value() : FontLib {} });
    // 0x42 twice, where 0x50 would be.
    std::vector<std::uint16_t> eight = codeRange(0x20, 0x7E);
    eight[0x30] = 0x42;
    corpus.push_back(withBaseline("8x8", picturedFont(8, 8, eight, every, 1), 7));
    corpus.push_back(withBaseline("7x14",
        picturedFont(7, 14, joined(codeRange(0x20, 0x7E), codeRange(0xA0, 0xFF)), likeText, 2),
        11));
    corpus.push_back(withBaseline("cjk16", picturedFont(16, 16, cjkCodes(), every, 3), 14));
    corpus.push_back(withBaseline("empties",
        picturedFont(12, 10,
            joined({ 0x20, 0x41, 0xA0, 0x41, 0x3000, 0x42, 0x00, 0x43 }, codeRange(0x21, 0x3F)),
            mostlyEmpty, 4),
        8));
    corpus.push_back(withBaseline("onewide",
        picturedFont(1, 12, joined(codeRange(0x30, 0x5F), codeRange(0x100, 0x12F)), every, 5), 0));
    corpus.push_back(
        withBaseline("big33x40", picturedFont(33, 40, codeRange(0x21, 0x50), drawn, 6), 31));
    corpus.push_back(withBaseline("codeless", picturedFont(9, 11, {}, every, 7, 300), 11));
    corpus.push_back(withBaseline("blank", FontLib::blank(5, 3, 3, false), 0));
    return corpus;
}

} // namespace tessellon::test
