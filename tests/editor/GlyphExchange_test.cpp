#include "editor/GlyphExchange.h"

#include "FontBuilders.h"
#include "document/FontDocument.h"
#include "document/MemoryImage.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    using Bytes = std::vector<std::uint8_t>;

    Bytes glyphBytes(const FontLib& font, std::uint32_t index)
    {
        const auto bytes = font.glyph(index);
        return { bytes.begin(), bytes.end() };
    }

    // The picture a copy of cells makes, drawn the way the editor draws it.
    MemoryImage copied(const FontLib& font, const GridRect& cells)
    {
        const int w = font.info.glyphWidth;
        const int h = font.info.glyphHeight;
        const Result<PictureSize> size = copyPictureSize(cells, w, h);
        MemoryImage picture(size->width, size->height);
        drawGlyphBlock(font, copyBlock(cells, w, h), picture);
        return picture;
    }

    // Pastes picture at cells through the document, as the editor does.
    void paste(FontDocument& document, const GridRect& cells, const RgbImage& picture)
    {
        const FontLib& font = document.fontLib();
        const TileBlock block = pasteBlock(cells, { picture.width(), picture.height() },
            font.info.glyphWidth, font.info.glyphHeight);
        ASSERT_TRUE(document.replaceGlyphs(changeFromBlock(font, block, picture)).ok());
    }

    // The glyph that a tile of picture holds: its exactly black pixels.
    Bytes tileGlyph(const RgbImage& picture, int x0, int y0, int width, int height)
    {
        Bytes bytes(rowBytesFor(width) * height);
        readGlyphBits(picture, x0, y0, width, height, bytes);
        return bytes;
    }

    // A picture of glyph-sized tiles, each with its own pattern of black pixels.
    MemoryImage patternedPicture(int width, int height, Rgb ink = black)
    {
        MemoryImage picture(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if ((x * 7 + y * 3 + x / 5) % 4 == 0) {
                    picture.setPixel(x, y, ink);
                }
            }
        }
        return picture;
    }

    TEST(CopyPictureSize, IsTheSelectionInGlyphs)
    {
        struct Case {
            GridRect cells;
            int glyphWidth;
            int glyphHeight;
            PictureSize size;
        };
        const Case cases[] = {
            { { 0, 1, 2, 2 }, 12, 16, { 36, 32 } },
            { { 5, 3, 5, 3 }, 8, 8, { 8, 8 } },
            { { 0, 1, 31, 32 }, 16, 16, { 512, 512 } },
            { { 0, 1, 31, 4096 }, 256, 1, { 8192, 4096 } },
        };
        for (const Case& c : cases) {
            const auto size = copyPictureSize(c.cells, c.glyphWidth, c.glyphHeight);
            ASSERT_TRUE(size.ok()) << size.message();
            EXPECT_EQ(*size, c.size);
        }
    }

    TEST(CopyPictureSize, RefusesPicturesLargerThanTheExchangeTakes)
    {
        const auto size = copyPictureSize({ 0, 1, 31, 4097 }, 256, 256);
        ASSERT_FALSE(size.ok());
        EXPECT_EQ(size.message(),
            "The selection is too large to copy: a picture of 8192 x 1048832 pixels is larger "
            "than the 33554432 pixels that glyphs are exchanged in.");
    }

    TEST(CheckExchangePictureSize, AcceptsUpToTheLimit)
    {
        EXPECT_TRUE(checkExchangePictureSize(8192, 4096).ok());
        EXPECT_TRUE(checkExchangePictureSize(1, 33554432).ok());
        EXPECT_FALSE(checkExchangePictureSize(8192, 4097).ok());
        EXPECT_FALSE(checkExchangePictureSize(2147483648LL, 1).ok());
        EXPECT_FALSE(checkExchangePictureSize(-1, 5).ok());
    }

    TEST(CopyGlyphs, DrawsBlackOnWhiteAndWhiteTilesPastTheLastGlyph)
    {
        const FontLib font = test::numberedFont(12, 16, 40);
        // Glyphs 38 and 39, then two cells past the last glyph.
        const MemoryImage picture = copied(font, { 6, 2, 9, 2 });
        ASSERT_EQ(picture.width(), 48);
        EXPECT_EQ(tileGlyph(picture, 0, 0, 12, 16), glyphBytes(font, 38));
        EXPECT_EQ(tileGlyph(picture, 12, 0, 12, 16), glyphBytes(font, 39));
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const Rgb colour = picture.pixel(x, y);
                ASSERT_TRUE(colour == black || colour == white) << x << "," << y;
                ASSERT_TRUE(x < 24 || colour == white) << x << "," << y;
            }
        }
    }

    struct PasteCase {
        const char* name;
        int glyphWidth;
        int glyphHeight;
        std::uint32_t glyphCount;
        PictureSize picture;
        GridRect cells;
        // Each glyph the paste changes, and the tile of the picture it then holds.
        std::vector<GlyphTile> filled;
    };

    TEST(PasteGlyphs, FillsTheGlyphsOfWholeTiles)
    {
        const PasteCase cases[] = {
            { "25 x 16 into 12 x 16: two glyphs, the last pixel column left out", 12, 16, 40,
                { 25, 16 }, { 3, 1, 3, 1 }, { { 0, 0, 3 }, { 12, 0, 4 } } },
            { "4 wide at column 30 runs on to columns 0 and 1 of the next row", 8, 8, 100,
                { 32, 8 }, { 30, 1, 30, 1 },
                { { 0, 0, 30 }, { 8, 0, 31 }, { 16, 0, 32 }, { 24, 0, 33 } } },
            { "2 x 2 block at row 2", 5, 7, 100, { 10, 14 }, { 4, 2, 4, 2 },
                { { 0, 0, 36 }, { 0, 7, 68 }, { 5, 0, 37 }, { 5, 7, 69 } } },
            { "a tile on the last glyph and one after it", 8, 8, 40, { 16, 8 }, { 7, 2, 7, 2 },
                { { 0, 0, 39 } } },
            { "end of a 65,536-glyph font", 16, 16, 65536, { 64, 48 }, { 30, 2048, 30, 2048 },
                { { 0, 0, 65534 }, { 16, 0, 65535 } } },
            { "smaller than a glyph", 8, 8, 40, { 7, 8 }, { 0, 1, 0, 1 }, {} },
        };
        for (const PasteCase& c : cases) {
            FontDocument document;
            document.takeFont(test::numberedFont(c.glyphWidth, c.glyphHeight, c.glyphCount));
            const FontLib before = document.fontLib();
            const MemoryImage picture = patternedPicture(c.picture.width, c.picture.height);
            paste(document, c.cells, picture);

            FontLib expected = before;
            for (const GlyphTile& tile : c.filled) {
                const Bytes tileBytes
                    = tileGlyph(picture, tile.x0, tile.y0, c.glyphWidth, c.glyphHeight);
                std::copy(tileBytes.begin(), tileBytes.end(), expected.glyph(tile.index).begin());
            }
            EXPECT_EQ(document.fontLib().pixelData, expected.pixelData) << c.name;
            EXPECT_EQ(document.fontLib().codeTable, before.codeTable) << c.name;
            EXPECT_EQ(document.fontLib().info, before.info) << c.name;
        }
    }

    TEST(PasteGlyphs, OnlyExactBlackIsInk)
    {
        for (const Rgb dark : { Rgb { 64, 64, 64 }, Rgb { 1, 1, 1 }, Rgb { 0, 0, 1 } }) {
            FontDocument document;
            FontLib font = FontLib::blank(8, 8, 4, false);
            std::fill(font.pixelData.begin(), font.pixelData.end(), 0xFF);
            document.takeFont(std::move(font));
            paste(document, { 1, 1, 1, 1 }, MemoryImage(16, 8, dark));
            EXPECT_EQ(glyphBytes(document.fontLib(), 1), Bytes(8, 0)) << "cleared";
            EXPECT_EQ(glyphBytes(document.fontLib(), 2), Bytes(8, 0)) << "cleared";
            EXPECT_EQ(glyphBytes(document.fontLib(), 3), Bytes(8, 0xFF)) << "left alone";
        }
    }

    TEST(PasteGlyphs, CopyThenPasteElsewhereDuplicatesAndInPlaceChangesNothing)
    {
        FontDocument document;
        document.takeFont(test::numberedFont(12, 16, 200));
        const FontLib before = document.fontLib();
        const MemoryImage picture = copied(document.fontLib(), { 2, 1, 4, 2 });

        paste(document, { 2, 1, 2, 1 }, picture);
        EXPECT_EQ(document.fontLib().pixelData, before.pixelData);

        paste(document, { 20, 4, 20, 4 }, picture);
        for (std::uint32_t r = 0; r < 2; ++r) {
            for (std::uint32_t c = 0; c < 3; ++c) {
                EXPECT_EQ(glyphBytes(document.fontLib(), 116 + 32 * r + c),
                    glyphBytes(before, 2 + 32 * r + c));
            }
        }
        EXPECT_EQ(glyphBytes(document.fontLib(), 115), glyphBytes(before, 115));
        EXPECT_EQ(glyphBytes(document.fontLib(), 119), glyphBytes(before, 119));
    }

    TEST(PastedCells, SelectTheBlockCutToTheGrid)
    {
        struct Case {
            const char* name;
            GridRect cells;
            int columns;
            int rows;
            int gridRows;
            GridRect selected;
        };
        const Case cases[] = {
            { "inside the grid", { 3, 2, 9, 9 }, 3, 2, 10, { 3, 2, 5, 3 } },
            { "cut at column 31", { 30, 1, 30, 1 }, 4, 1, 10, { 30, 1, 31, 1 } },
            { "cut at the last row", { 0, 8, 0, 8 }, 1, 5, 10, { 0, 8, 0, 9 } },
            { "huge block", { 1, 1, 1, 1 }, 1 << 30, 1 << 30, 10, { 1, 1, 31, 9 } },
            { "no whole glyph: as it was", { 3, 2, 4, 4 }, 0, 1, 10, { 3, 2, 4, 4 } },
        };
        for (const Case& c : cases) {
            const TileBlock block { c.columns, c.rows, 1, 1, 0, 32 };
            EXPECT_EQ(pastedCells(c.cells, block, c.gridRows), c.selected) << c.name;
        }
    }

    TEST(PasteBlock, IsEmptyWithoutAGlyphSelection)
    {
        EXPECT_EQ(pasteBlock({ 0, 0, 0, 0 }, { 64, 64 }, 8, 8).columns, 0);
        EXPECT_EQ(copyBlock({ 0, 0, 3, 0 }, 8, 8).columns, 0);
        EXPECT_EQ(pasteBlock({ 2, 3, 2, 3 }, { 64, 17 }, 8, 8), (TileBlock { 8, 2, 8, 8, 66, 32 }));
    }

} // namespace
} // namespace tessellon
