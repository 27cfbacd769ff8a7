#include "document/FontFileFormats.h"
#include "document/PixFormat.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    FontLib sampleFont(bool withCodes)
    {
        FontLib font = FontLib::blank(9, 3, 4, withCodes);
        for (std::size_t i = 0; i < font.pixelData.size(); ++i) {
            font.pixelData[i] = static_cast<std::uint8_t>(i % 2 == 0 ? i * 7 : 0x80);
        }
        if (withCodes) {
            *font.codeTable = { 0x41, 0x4E2D, 0xFFFF, 0 };
        }
        return font;
    }

    TEST(FontFileFormats, TheFontPixelFileIsTheFirstRowAndTheDefault)
    {
        const FontFileFormat& pix = pixFileFormat();
        EXPECT_EQ(&fontFileFormats().front(), &pix);
        EXPECT_EQ(pix.description, "Font pixel file");
        for (const char* name : { "a.pix", "A.PIX", "dir.d/plain", "font.txt", "x.pix.bak", "" }) {
            EXPECT_EQ(&fontFileFormatFor(name), &pix) << name;
        }
    }

    TEST(FontFileFormats, FiltersListEveryReadableFormatThenAllFiles)
    {
        EXPECT_EQ(fontFileFilter(pixFileFormat()), "Font pixel file (*.pix)|*.pix");
        EXPECT_EQ(fontOpenFilter(), "Font pixel file (*.pix)|*.pix|All files (*.*)|*.*");
    }

    TEST(FontFileFormats, EveryFormatReadsBackWhatItWrites)
    {
        for (const FontFileFormat& format : fontFileFormats()) {
            if (!format.canRead() || !format.canWrite()) {
                continue;
            }
            for (bool withCodes : { true, false }) {
                test::TempDir dir;
                const std::string path = dir.path("font" + format.extensions.front());
                const FontLib font = sampleFont(withCodes);
                const Status written = writeFontFile(path, font);
                ASSERT_TRUE(written.ok()) << written.message();
                const Result<FontLib> read = readFontFile(path);
                ASSERT_TRUE(read.ok()) << format.description << ": " << read.message();
                EXPECT_EQ(read->pixelData, font.pixelData) << format.description;
                EXPECT_EQ(read->codeTable, font.codeTable) << format.description;
                EXPECT_EQ(read->info.glyphWidth, 9) << format.description;
            }
        }
    }

    TEST(FontFileFormats, ReadingFailuresNameTheFileAndTheReason)
    {
        test::TempDir dir;
        const Result<FontLib> missing = readFontFile(dir.path("missing.pix"));
        EXPECT_FALSE(missing.ok());
        EXPECT_EQ(
            missing.message().rfind("Cannot open file " + dir.path("missing.pix") + ": ", 0), 0u)
            << missing.message();

        test::writeText(dir.path("text.pix"), "hello");
        EXPECT_EQ(readFontFile(dir.path("text.pix")).message(), pix::notFontPixelFileMessage);
    }

} // namespace
} // namespace tessellon
