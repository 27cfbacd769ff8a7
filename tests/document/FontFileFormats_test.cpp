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
        for (const char* name :
            { "a.pix", "A.PIX", "dir.d/plain", "font.txt", "x.pix.bak", "", "a.bdf", "u.hex" }) {
            EXPECT_EQ(&fontFileFormatFor(name), &pix) << name;
        }
    }

    // Open and Save keep to the font pixel file, so that saving never rewrites a BDF font;
    // the other formats are named for import and export.
    TEST(FontFileFormats, OtherFormatsAreFoundByTheirExtensionsForImportAndExport)
    {
        EXPECT_EQ(fontFileFormatNamed("dir/A.BDF"), &bdfFileFormat());
        EXPECT_EQ(bdfFileFormat().use, FontFileUse::ImportAndExport);
        const FontFileFormat* hex = fontFileFormatNamed("unifont.hex");
        ASSERT_NE(hex, nullptr);
        EXPECT_TRUE(hex->canRead());
        EXPECT_FALSE(hex->canWrite());
        EXPECT_EQ(fontFileFormatNamed("a.pix"), &pixFileFormat());
        EXPECT_EQ(fontFileFormatNamed("a.png"), nullptr);
        EXPECT_EQ(fontFileFormatNamed("bdf"), nullptr);
    }

    TEST(FontFileFormats, FiltersListEveryReadableFormatThenAllFiles)
    {
        EXPECT_EQ(fontFileFilter(pixFileFormat()), "Font pixel file (*.pix)|*.pix");
        EXPECT_EQ(fontOpenFilter(), "Font pixel file (*.pix)|*.pix|All files (*.*)|*.*");
        EXPECT_EQ(fontImportFilter(),
            "BDF font (*.bdf)|*.bdf|Unifont hex file (*.hex)|*.hex|"
            "Picture sheets (*.png;*.bmp;*.pbm;*.gif)|*.png;*.bmp;*.pbm;*.gif|All files (*.*)|*.*");
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
                const Status written = writeFontFileAs(format, path, font, {});
                ASSERT_TRUE(written.ok()) << written.message();
                ReadNotes notes;
                const Result<FontLib> read = readFontFileAs(format, path, {}, notes);
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
        EXPECT_EQ(readFontFile(dir.path("text.pix")).kind(), FailureKind::NotThisFormat);
        EXPECT_EQ(readFontFile(dir.path("missing.pix")).kind(), FailureKind::Refused);

        test::writeText(dir.path("text.bdf"), "hello");
        ReadNotes notes;
        EXPECT_EQ(readFontFileAs(bdfFileFormat(), dir.path("text.bdf"), {}, notes).message(),
            "Cannot read " + dir.path("text.bdf")
                + " as a BDF font: line 1: not a BDF font: it does not begin with STARTFONT 2.1");
        EXPECT_EQ(readFontFile(dir.path("text.bdf")).message(), pix::notFontPixelFileMessage);
    }

} // namespace
} // namespace tessellon
