#include "formats/PictureSheet.h"

#include "FormatTests.h"
#include "document/MemoryImage.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    using test::glyphRows;

    MemoryImage sheetOf(const FontLib& font, int columns)
    {
        const Result<GlyphSize> size = sheetSizeFor(font, columns);
        EXPECT_TRUE(size.ok()) << size.message();
        MemoryImage image(size->width, size->height, yellow);
        drawPictureSheet(font, columns, image);
        return image;
    }

    FontFileOptions cellOf(int width, int height, std::optional<std::uint16_t> firstCode = {})
    {
        FontFileOptions options;
        options.cell = GlyphSize { width, height };
        options.firstCode = firstCode;
        return options;
    }

    TEST(PictureSheet, FontToSheetToFontGivesTheSameFontForEveryWidth)
    {
        for (int width : { 1, 7, 8, 9, 16, 17 }) {
            for (int columns : { 32, 7 }) {
                const int height = width % 5 + 3;
                // Codes 0x41 onwards, as the sheet gives them from its first code.
                const FontLib font = test::numberedFont(width, height, 70);
                const MemoryImage sheet = sheetOf(font, columns);
                const Result<FontLib> back = readPictureSheet(sheet, cellOf(width, height, 0x41));
                ASSERT_TRUE(back.ok()) << back.message();
                EXPECT_EQ(back->info, font.info) << width << " in " << columns << " columns";
                EXPECT_EQ(back->pixelData, font.pixelData) << width << " in " << columns;
                EXPECT_EQ(back->codeTable, font.codeTable) << width << " in " << columns;
            }
        }
    }

    TEST(PictureSheet, GlyphILiesInColumnIModNAndRowIDivNAndTheRestIsGrey)
    {
        const FontLib font = test::fontFromRows(
            { { "10", "00" }, { "01", "00" }, { "00", "10" }, { "00", "01" }, { "11", "11" } });
        const MemoryImage sheet = sheetOf(font, 2);
        ASSERT_EQ(sheet.width(), 4);
        ASSERT_EQ(sheet.height(), 6);
        const std::vector<std::string> expected { "1001", "0000", "0000", "1001", "11gg", "11gg" };
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 4; ++x) {
                const char c = expected[y][x];
                EXPECT_EQ(sheet.pixel(x, y),
                    c == '1'       ? black
                        : c == 'g' ? sheetFillerGrey
                                   : white)
                    << x << ", " << y;
            }
        }
        EXPECT_EQ(sheetTiles(10, 5, 2, { 2, 2 })[4].index, 14u);
        EXPECT_EQ(sheetTile(10, 3, 2, { 2, 3 }).x0, 2);
        EXPECT_EQ(sheetTile(10, 3, 2, { 2, 3 }).y0, 3);
    }

    TEST(PictureSheet, APaintedSheetReadsOnlyExactBlackAndWholeCells)
    {
        // Two rows of two 3 x 2 cells and a strip one pixel wide and high at the edges; the
        // last cell is wholly white: a blank glyph.
        MemoryImage picture(7, 5, white);
        picture.setPixel(0, 0, black);
        picture.setPixel(4, 1, Rgb { 1, 1, 1 });
        picture.setPixel(5, 1, black);
        picture.setPixel(6, 0, black);
        picture.setPixel(0, 4, black);
        const Result<FontLib> font = readPictureSheet(picture, cellOf(3, 2));
        ASSERT_TRUE(font.ok()) << font.message();
        EXPECT_EQ(font->info.glyphCount, 4u);
        EXPECT_FALSE(font->codeTable.has_value());
        EXPECT_EQ(glyphRows(*font, 0), (std::vector<std::string> { "100", "000" }));
        EXPECT_EQ(glyphRows(*font, 1), (std::vector<std::string> { "000", "001" }));
        EXPECT_EQ(glyphRows(*font, 3), (std::vector<std::string> { "000", "000" }));
    }

    TEST(PictureSheet, UnreadableSheetsAndPicturesTooLargeAreRefused)
    {
        const MemoryImage picture(8, 8, white);
        EXPECT_EQ(readPictureSheet(picture, {}).message(),
            "a picture sheet is read with the glyph size of its cells, 1 to 256 pixels a side");
        EXPECT_EQ(readPictureSheet(picture, cellOf(9, 4)).message(),
            "the picture of 8 x 8 pixels is smaller than one cell of 9 x 4");
        EXPECT_EQ(readPictureSheet(picture, cellOf(1, 1, 0xFFC1)).message(),
            "codes from FFC1 for 64 glyphs would pass FFFF; give a lower first code");
        EXPECT_TRUE(readPictureSheet(picture, cellOf(1, 1, 0xFFC0)).ok());

        EXPECT_EQ(sheetSizeFor(FontLib::blank(8, 8, 0, true), 32).message(),
            "the font has no glyphs to put in a picture");
        EXPECT_EQ(sheetSizeFor(FontLib::blank(8, 8, 1, true), 0).message(),
            "a picture sheet needs at least one column");
        EXPECT_EQ(sheetSizeFor(FontLib::blank(256, 256, 1100, false), 32).message(),
            "a sheet of 1100 glyphs in 32 columns would be 8192 x 8960 pixels; pictures are at "
            "most 32767 pixels a side and 67108864 pixels in all (choose another number of "
            "columns)");
        EXPECT_EQ(checkSheetPictureSize(100000, 1).message(),
            "the picture is 100000 x 1 pixels; pictures of at most 32767 pixels a side and "
            "67108864 pixels in all are read");
        EXPECT_TRUE(checkSheetPictureSize(8192, 8192).ok());
    }

    TEST(PictureSheet, NamesSayWhichPicturesAreSheets)
    {
        EXPECT_TRUE(isPictureSheetName("a/b.PNG"));
        EXPECT_TRUE(isPictureSheetName("b.gif"));
        EXPECT_FALSE(isPictureSheetName("b.png.pix"));
        EXPECT_TRUE(isWritablePictureSheetName("b.Bmp"));
        EXPECT_FALSE(isWritablePictureSheetName("b.gif"));
    }

} // namespace
} // namespace tessellon
