#include "creation/FontFaceLookup.h"
#include "creation/FreeTypeGlyphDrawer.h"
#include "creation/GlyphDrawing.h"
#include "creation/GlyphRenderer.h"

#include "document/ByteSource.h"
#include "document/FontLib.h"
#include "document/PixReader.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

#include <algorithm>
#include <bit>
#include <vector>

namespace tessellon {

namespace {

    QFont fontOf(const QString& family, int pixelSize, bool bold = false, bool italic = false)
    {
        QFont font(family);
        font.setPixelSize(pixelSize);
        font.setWeight(bold ? QFont::Bold : QFont::Normal);
        font.setItalic(italic);
        return font;
    }

    using Bits = std::vector<std::uint8_t>;

    Bits draw(GlyphDrawer& drawer, char32_t code, int width, int height)
    {
        Bits glyph(rowBytesFor(width) * height, 0);
        drawer.drawCharacter(code, glyph);
        return glyph;
    }

    GlyphDrawingParams paramsOf(const QFont& font, int width, int height, HintingStyle hinting,
        int offsetX = 0, int offsetY = 0)
    {
        return { font, {}, width, height, offsetX, offsetY, hinting };
    }

    std::unique_ptr<GlyphDrawer> openOrFail(const GlyphDrawingParams& params)
    {
        auto drawer = openGlyphDrawer(params);
        if (!drawer) {
            qWarning("%s", drawer.message().c_str());
            return nullptr;
        }
        return std::move(*drawer);
    }

    // The codes of ranges such as "20-7E,A0-FF".
    std::vector<char32_t> codesOf(const QString& ranges)
    {
        std::vector<char32_t> codes;
        for (const QString& range : ranges.split(',')) {
            const QStringList ends = range.split('-');
            for (uint code = ends[0].toUInt(nullptr, 16); code <= ends[1].toUInt(nullptr, 16);
                 ++code) {
                codes.push_back(code);
            }
        }
        return codes;
    }

    // Printable ASCII and Latin-1, which every sample font has: the faces the desktop falls
    // back on depend on what else is installed, and need not be fontconfig's first choice.
    const QString sampleRanges = QStringLiteral("20-7E,A0-FF");

    int inkCount(const Bits& glyph)
    {
        int count = 0;
        for (std::uint8_t byte : glyph) {
            count += std::popcount(byte);
        }
        return count;
    }

    struct InkBox {
        int left = -1;
        int top = -1;
        int right = -1;
        int bottom = -1;
    };

    InkBox inkBox(const Bits& glyph, int width, int height)
    {
        InkBox box;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (glyph[y * rowBytesFor(width) + x / 8] & (0x80 >> (x % 8))) {
                    box.left = box.left < 0 ? x : std::min(box.left, x);
                    box.top = box.top < 0 ? y : box.top;
                    box.right = std::max(box.right, x);
                    box.bottom = y;
                }
            }
        }
        return box;
    }

    // The glyphs of codes (none above FFFF) drawn by the font-making loop on threads, each
    // with its own drawer of params.
    Bits drawOnThreads(
        const GlyphDrawingParams& params, const std::vector<char32_t>& codes, unsigned threads)
    {
        Bits charSet { 0xFF, 0xFE };
        for (char32_t code : codes) {
            charSet.insert(charSet.end(), { std::uint8_t(code), std::uint8_t(code >> 8) });
        }
        const auto count = static_cast<std::uint32_t>(codes.size());
        Bits pixels(rowBytesFor(params.glyphWidth) * params.glyphHeight * count);
        std::vector<std::uint16_t> codeTable(count);
        const auto arrays
            = claimNewFontArrays(pixels, codeTable, count, params.glyphWidth, params.glyphHeight);
        const auto plan = planGlyphDrawing(params);
        if (!arrays || !plan) {
            return {};
        }
        MemoryByteSource source(charSet);
        CreateFontRun run;
        run.answerOnPost([] {});
        const Status drawn
            = drawCharSetOnThreads(source, glyphSourceOpener(*plan), threads, *arrays, run);
        return drawn ? pixels : Bits {};
    }

    const QString mono = QStringLiteral("Liberation Mono");
    const QString sans = QStringLiteral("DejaVu Sans");

} // namespace

class GlyphDrawingTest : public QObject {
    Q_OBJECT

private slots:
    // The System style in FreeType terms draws exactly what the desktop draws: the same
    // face, size, synthesis, hinting and placement, which the other styles share.
    void freeTypeSystemIsTheDesktopsDrawing_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("ranges");
        for (const char* family : { "Liberation Mono", "DejaVu Sans", "Courier New" }) {
            for (int size : { 8, 12, 16, 24 }) {
                QTest::addRow("%s %d", family, size)
                    << family << size << false << false << sampleRanges;
            }
            QTest::addRow("%s 13 bold", family) << family << 13 << true << false << sampleRanges;
            QTest::addRow("%s 13 italic", family) << family << 13 << false << true << sampleRanges;
        }
        // A face without a bold one is emboldened, one without an italic slanted.
        QTest::addRow("Droid Sans Fallback 16 bold italic")
            << "Droid Sans Fallback" << 16 << true << true << "20-7E,4E00-4EFF";
        QTest::addRow("DejaVu Sans Mono 15 bold italic")
            << "DejaVu Sans Mono" << 15 << true << true << sampleRanges;
        // A family that several foundries make, which Qt names "Family [Foundry]" (here the
        // Type 1 one; Qt draws the CFF one of fonts-urw-base35 its own way).
        QTest::addRow("Nimbus Mono PS [urw] 14")
            << "Nimbus Mono PS [urw]" << 14 << false << false << sampleRanges;
    }

    void freeTypeSystemIsTheDesktopsDrawing()
    {
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QString, ranges);
        if (family.contains('[') && !QFontDatabase::families().contains(family)) {
            QSKIP("the font is not installed");
        }
        const int width = pixelSize;
        const int height = pixelSize + pixelSize / 4;
        const GlyphDrawingParams params = paramsOf(
            fontOf(family, pixelSize, bold, italic), width, height, HintingStyle::System, 1, -1);
        const auto desktop = openOrFail(params);
        QVERIFY(desktop);
        const auto drawing = freeTypeDrawingFor(params);
        QVERIFY2(drawing.ok(), drawing.message().c_str());
        auto freeType = FreeTypeGlyphDrawer::open(*drawing);
        QVERIFY2(freeType.ok(), freeType.message().c_str());
        int differing = 0;
        int ink = 0;
        for (char32_t code : codesOf(ranges)) {
            const Bits glyph = draw(**freeType, code, width, height);
            differing += glyph != draw(*desktop, code, width, height) ? 1 : 0;
            ink += inkCount(glyph);
        }
        QCOMPARE(differing, 0);
        QVERIFY(ink > 0);
    }

    // The face the desktop draws a font from, found by family and style.
    void findsTheDesktopsFontFile_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("file");
        QTest::newRow("Liberation Mono") << mono << false << false << "LiberationMono-Regular.ttf";
        QTest::newRow("bold") << mono << true << false << "LiberationMono-Bold.ttf";
        QTest::newRow("italic") << mono << false << true << "LiberationMono-Italic.ttf";
        QTest::newRow("bold italic") << mono << true << true << "LiberationMono-BoldItalic.ttf";
        // A family that is not installed is drawn from the one fontconfig puts in its place.
        QTest::newRow("Courier New")
            << "Courier New" << false << false << "LiberationMono-Regular.ttf";
        QTest::newRow("DejaVu Sans") << sans << false << false << "DejaVuSans.ttf";
        QTest::newRow("DejaVu Sans bold") << sans << true << false << "DejaVuSans-Bold.ttf";
        QTest::newRow("no bold face")
            << "Droid Sans Fallback" << true << false << "DroidSansFallbackFull.ttf";
        QTest::newRow("foundry") << "Nimbus Mono PS [UKWN]" << false << true
                                 << "NimbusMonoPS-Italic.otf";
    }

    void findsTheDesktopsFontFile()
    {
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QString, file);
        if (family.contains('[') && !QFontDatabase::families().contains(family)) {
            QSKIP("the font is not installed");
        }
        const auto drawing = freeTypeDrawingFor(
            paramsOf(fontOf(family, 12, bold, italic), 12, 15, HintingStyle::None));
        QVERIFY2(drawing.ok(), drawing.message().c_str());
        QCOMPARE(QFileInfo(QString::fromStdString(drawing->face.path)).fileName(), file);
        QCOMPARE(drawing->pixelSize, 12);
        QCOMPARE(drawing->weight >= QFont::Bold, bold);
        QCOMPARE(drawing->italic, italic);
        QVERIFY(!drawing->fallbacks.empty());
    }

    // A font file given by path is drawn from, whatever is installed.
    void drawsFromTheFontFileGiven()
    {
        const QString file = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf");
        GlyphDrawingParams params
            = paramsOf(fontOf("DejaVu Sans Mono", 14), 10, 18, HintingStyle::AutoHinter);
        params.fontFile = file;
        const auto drawing = freeTypeDrawingFor(params);
        QVERIFY2(drawing.ok(), drawing.message().c_str());
        QCOMPARE(QString::fromStdString(drawing->face.path), file);

        params.fontFile = QStringLiteral("/nonexistent/font.ttf");
        const auto missing = openGlyphDrawer(params);
        QVERIFY(!missing.ok());
        QVERIFY2(QString::fromStdString(missing.message()).contains("/nonexistent/font.ttf"),
            missing.message().c_str());
    }

    // The styles fit outlines differently: at 12 px the auto-hinted and the unhinted
    // glyphs of a letter are not the desktop's.
    void stylesDifferFromTheSystemDrawing_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("style");
        QTest::newRow("Liberation Mono auto") << mono << int(HintingStyle::AutoHinter);
        QTest::newRow("Liberation Mono none") << mono << int(HintingStyle::None);
        QTest::newRow("DejaVu Sans auto") << sans << int(HintingStyle::AutoHinter);
        QTest::newRow("DejaVu Sans none") << sans << int(HintingStyle::None);
    }

    void stylesDifferFromTheSystemDrawing()
    {
        QFETCH(QString, family);
        QFETCH(int, style);
        const QFont font = fontOf(family, 12);
        const auto system = openOrFail(paramsOf(font, 12, 15, HintingStyle::System));
        const auto other = openOrFail(paramsOf(font, 12, 15, HintingStyle(style)));
        QVERIFY(system && other);
        const Bits systemGlyph = draw(*system, U'a', 12, 15);
        const Bits otherGlyph = draw(*other, U'a', 12, 15);
        QVERIFY(inkCount(systemGlyph) > 0 && inkCount(otherGlyph) > 0);
        QVERIFY(otherGlyph != systemGlyph);
    }

    // Every style puts the character cell at the offset and the baseline at the same row:
    // the foot of a flat-footed letter lies on the row above the baseline, and moving the
    // offset moves all ink by as much.
    void everyStylePlacesTheCellAlike_data()
    {
        QTest::addColumn<int>("style");
        for (const HintingStyleInfo& info : hintingStyles) {
            QTest::newRow(info.option) << int(info.style);
        }
    }

    void everyStylePlacesTheCellAlike()
    {
        QFETCH(int, style);
        const QFont font = fontOf(sans, 16);
        const int baseline = QFontMetrics(font).ascent();
        const auto plain = openOrFail(paramsOf(font, 20, 24, HintingStyle(style)));
        const auto moved = openOrFail(paramsOf(font, 20, 24, HintingStyle(style), 3, 2));
        QVERIFY(plain && moved);
        for (char32_t code : { U'H', U'x', U'E', U'T' }) {
            const InkBox box = inkBox(draw(*plain, code, 20, 24), 20, 24);
            const InkBox shifted = inkBox(draw(*moved, code, 20, 24), 20, 24);
            QCOMPARE(box.bottom, baseline - 1);
            QVERIFY(box.left >= 0 && box.left <= 3);
            QCOMPARE(shifted.left, box.left + 3);
            QCOMPARE(shifted.top, box.top + 2);
            QCOMPARE(shifted.right, box.right + 3);
            QCOMPARE(shifted.bottom, box.bottom + 2);
        }
    }

    // Ink beyond the glyph is cut off and never written past its bytes.
    void inkBeyondTheGlyphIsCutOff_data() { everyStylePlacesTheCellAlike_data(); }

    void inkBeyondTheGlyphIsCutOff()
    {
        QFETCH(int, style);
        const auto drawer = openOrFail(
            paramsOf(fontOf("DejaVu Sans Mono", 40), 12, 20, HintingStyle(style), -4, -6));
        QVERIFY(drawer);
        Bits buffer(40 + 8, 0xA5);
        std::fill_n(buffer.begin(), 40, 0);
        drawer->drawCharacter(0x2588, { buffer.data(), 40 });
        QVERIFY(inkCount(Bits(buffer.begin(), buffer.begin() + 40)) > 100);
        for (int row = 0; row < 20; ++row) {
            QCOMPARE(buffer[row * 2 + 1] & 0x0F, 0);
        }
        QVERIFY(std::all_of(buffer.begin() + 40, buffer.end(), [](auto b) { return b == 0xA5; }));
        // A buffer shorter than one glyph is left alone.
        Bits tooShort(39, 0);
        drawer->drawCharacter(0x2588, tooShort);
        QCOMPARE(inkCount(tooShort), 0);
    }

    void glyphSizesOutsideTheLimitsAreRefused()
    {
        for (const HintingStyleInfo& info : hintingStyles) {
            QVERIFY(!openGlyphDrawer(paramsOf(fontOf(mono, 12), 0, 12, info.style)).ok());
            QVERIFY(!openGlyphDrawer(paramsOf(fontOf(mono, 12), 12, maxGlyphSide + 1, info.style))
                         .ok());
        }
    }

    // Drawn on four threads, each with a drawer of its own, the System style gives the fonts
    // kept from before there were threads byte for byte, and the other styles what one
    // drawer gives.
    void threadsDrawAsOneDrawerDoes_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<int>("style");
        for (const auto& [family, name] : { std::pair { "Liberation Mono", "liberation-mono" },
                 std::pair { "DejaVu Sans", "dejavu-sans" } }) {
            for (int size : { 8, 12, 16, 24 }) {
                QTest::addRow("%s %d", name, size) << family << name << size << 0;
            }
            for (int style = 1; style < int(std::size(hintingStyles)); ++style) {
                QTest::addRow("%s 12 %s", name, hintingStyles[style].option)
                    << family << name << 12 << style;
            }
        }
    }

    void threadsDrawAsOneDrawerDoes()
    {
        QFETCH(QString, family);
        QFETCH(QString, name);
        QFETCH(int, pixelSize);
        QFETCH(int, style);
        const HintingStyle hinting = hintingStyles[style].style;
        const GlyphDrawingParams params
            = paramsOf(fontOf(family, pixelSize), pixelSize, pixelSize + pixelSize / 4, hinting);
        const std::vector<char32_t> codes = codesOf(sampleRanges);
        Bits expected;
        if (hinting == HintingStyle::System) {
            const auto kept = readPixFile(QString(TEST_DATA_DIR "/system-glyphs/%1-%2.pix")
                                              .arg(name)
                                              .arg(pixelSize)
                                              .toStdString());
            QVERIFY2(kept.ok(), kept.message().c_str());
            expected = kept->pixelData;
        } else {
            const auto drawer = openOrFail(params);
            QVERIFY(drawer);
            for (char32_t code : codes) {
                const Bits glyph = draw(*drawer, code, params.glyphWidth, params.glyphHeight);
                expected.insert(expected.end(), glyph.begin(), glyph.end());
            }
        }
        QVERIFY(inkCount(expected) > 0);
        QVERIFY(drawOnThreads(params, codes, 4) == expected);
    }

    // The bits of a glyph as a picture: ink black and opaque, the rest clear.
    void glyphPictureShowsTheBits()
    {
        const Bits glyph { 0x81, 0x80, 0x00, 0x00, 0x7F, 0xFF };
        const QImage picture = glyphPicture(glyph, 9, 3);
        QCOMPARE(picture.size(), QSize(9, 3));
        const char* expected[] = { "#......##", ".........", ".########" };
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 9; ++x) {
                const QColor pixel = picture.pixelColor(x, y);
                QCOMPARE(pixel.alpha() == 255 && pixel.black() == 255, expected[y][x] == '#');
                QCOMPARE(pixel.alpha() == 0, expected[y][x] == '.');
            }
        }
        QVERIFY(drawGlyphPicture(
            *openOrFail(paramsOf(fontOf(mono, 12), 8, 12, HintingStyle::Light)), U'A', 0, 12)
                    .isNull());
    }
};

} // namespace tessellon

QTEST_MAIN(tessellon::GlyphDrawingTest)
#include "GlyphDrawing_test.moc"
