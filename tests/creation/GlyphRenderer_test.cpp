#include "creation/GlyphRenderer.h"

#include "document/FontLib.h"

#include <QFontInfo>
#include <QPainter>
#include <QTest>

#include <vector>

namespace tessellon {

namespace {

    QFont fontOf(const QString& family, int pixelSize)
    {
        QFont font(family);
        font.setPixelSize(pixelSize);
        return font;
    }

    // A rendered glyph together with its geometry, for reading single pixels.
    struct Glyph {
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> bytes;

        bool ink(int x, int y) const
        {
            return (bytes[y * rowBytesFor(width) + x / 8] & (0x80 >> (x % 8))) != 0;
        }
        int inkCount() const
        {
            int count = 0;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    count += ink(x, y) ? 1 : 0;
                }
            }
            return count;
        }
    };

    Glyph render(const QFont& font, int width, int height, int offsetX, int offsetY, char16_t code)
    {
        GlyphRenderer renderer;
        Glyph glyph { width, height, std::vector<std::uint8_t>(rowBytesFor(width) * height) };
        if (!renderer.BeginRender(font, width, height, offsetX, offsetY)
            || !renderer.RenderGlyph(glyph.bytes, code)) {
            glyph.bytes.clear();
        }
        renderer.EndRender();
        return glyph;
    }

    // What a correct 16-bit 5-6-5 surface holds for the same drawing: the text is drawn into
    // a 32-bit image and Qt converts it; ink is where the 16-bit value is 0.
    Glyph referenceFrom565(
        const QFont& font, int width, int height, int offsetX, int offsetY, char16_t code)
    {
        const int side = std::max(width, height);
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(Qt::white);
        QFont drawn(font);
        drawn.setStyleStrategy(QFont::NoAntialias);
        {
            QPainter painter(&image);
            painter.setFont(drawn);
            painter.setPen(Qt::black);
            painter.drawText(offsetX, offsetY + QFontMetrics(drawn).ascent(), QString(QChar(code)));
        }
        const QImage surface = image.convertToFormat(QImage::Format_RGB16);
        Glyph glyph { width, height, std::vector<std::uint8_t>(rowBytesFor(width) * height) };
        for (int y = 0; y < height; ++y) {
            const auto* line = reinterpret_cast<const quint16*>(surface.constScanLine(y));
            for (int x = 0; x < width; ++x) {
                if (line[x] == 0) {
                    glyph.bytes[y * rowBytesFor(width) + x / 8] |= 0x80 >> (x % 8);
                }
            }
        }
        return glyph;
    }

    const QString mono = QStringLiteral("Liberation Mono");
    const QString blockFont = QStringLiteral("DejaVu Sans Mono");
    constexpr char16_t fullBlock = 0x2588;
    constexpr char16_t verticalBar = u'|';

} // namespace

class GlyphRendererTest : public QObject {
    Q_OBJECT

private slots:
    void testFontsAreInstalled()
    {
        QCOMPARE(QFontInfo(fontOf(mono, 16)).family(), mono);
        QCOMPARE(QFontInfo(fontOf(blockFont, 16)).family(), blockFont);
    }

    void equalsWhatA565SurfaceHolds_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("16x16") << 16 << 16 << 16;
        QTest::newRow("12x16") << 12 << 16 << 16;
        QTest::newRow("7x7") << 7 << 7 << 8;
        QTest::newRow("15x9") << 15 << 9 << 10;
        QTest::newRow("16x8") << 16 << 8 << 12;
        QTest::newRow("9x20") << 9 << 20 << 20;
        QTest::newRow("32x32") << 32 << 32 << 30;
    }

    void equalsWhatA565SurfaceHolds()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, pixelSize);
        const QFont font = fontOf(mono, pixelSize);
        int ink = 0;
        // U+4E2D is not in the font: drawn by a fallback font.
        for (char16_t code : u"AMW@#gjy|_-0\u00E9\u4E2D") {
            if (code == 0) {
                continue;
            }
            const Glyph glyph = render(font, width, height, 0, 0, code);
            const Glyph reference = referenceFrom565(font, width, height, 0, 0, code);
            QCOMPARE(glyph.bytes, reference.bytes);
            ink += glyph.inkCount();
        }
        QVERIFY(ink > 0);
    }

    // Every row of a full block is the same run of ink: a surface that shifts alternate
    // rows (as drawing straight into a 16-bit image does) breaks this.
    void fullBlockIsASolidRectangle_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("16x16") << 16 << 16;
        QTest::newRow("15x9") << 15 << 9;
        QTest::newRow("7x7") << 7 << 7;
        QTest::newRow("24x24") << 24 << 24;
    }

    void fullBlockIsASolidRectangle()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        const Glyph glyph = render(fontOf(blockFont, height), width, height, 0, 0, fullBlock);
        QVERIFY(!glyph.bytes.empty());
        int inkRows = 0;
        int left = -1;
        int right = -1;
        for (int y = 0; y < height; ++y) {
            int first = -1;
            int last = -1;
            for (int x = 0; x < width; ++x) {
                if (glyph.ink(x, y)) {
                    first = first < 0 ? x : first;
                    last = x;
                }
            }
            if (first < 0) {
                continue;
            }
            ++inkRows;
            for (int x = first; x <= last; ++x) {
                QVERIFY2(glyph.ink(x, y), qPrintable(QStringLiteral("gap at %1,%2").arg(x).arg(y)));
            }
            if (left < 0) {
                left = first;
                right = last;
            }
            QCOMPARE(first, left);
            QCOMPARE(last, right);
        }
        QVERIFY(inkRows >= height / 2);
        QVERIFY(right - left + 1 >= width / 3);
    }

    void verticalBarHasTheSameColumnsInEveryRow()
    {
        const Glyph glyph = render(fontOf(mono, 16), 16, 16, 0, 0, verticalBar);
        std::vector<bool> columns;
        int inkRows = 0;
        for (int y = 0; y < 16; ++y) {
            std::vector<bool> row(16);
            bool any = false;
            for (int x = 0; x < 16; ++x) {
                row[x] = glyph.ink(x, y);
                any = any || row[x];
            }
            if (!any) {
                continue;
            }
            ++inkRows;
            if (columns.empty()) {
                columns = row;
            }
            QCOMPARE(row, columns);
        }
        QVERIFY(inkRows >= 10);
    }

    // offsetX -3 moves every ink pixel three columns left: compared with a glyph three
    // columns wider drawn at offset 0 (same surface, since the height is the larger side).
    void offsetXMinusThreeMovesInkThreeColumnsLeft()
    {
        const QFont font = fontOf(mono, 18);
        int ink = 0;
        for (char16_t code : u"AHMW@#8gjy") {
            if (code == 0) {
                continue;
            }
            const Glyph shifted = render(font, 12, 20, -3, 0, code);
            const Glyph plain = render(font, 15, 20, 0, 0, code);
            for (int y = 0; y < 20; ++y) {
                for (int x = 0; x < 12; ++x) {
                    QCOMPARE(shifted.ink(x, y), plain.ink(x + 3, y));
                }
            }
            ink += shifted.inkCount();
            // The part left of column 3 is cut off: the shifted glyph holds less ink
            // wherever the plain one had ink there.
            QVERIFY(shifted.inkCount() <= plain.inkCount());
        }
        QVERIFY(ink > 0);
    }

    void offsetYTwoMovesInkTwoRowsDown()
    {
        const QFont font = fontOf(mono, 14);
        for (char16_t code : u"AHMW@#8") {
            if (code == 0) {
                continue;
            }
            const Glyph lowered = render(font, 16, 16, 0, 2, code);
            const Glyph plain = render(font, 16, 16, 0, 0, code);
            QVERIFY(plain.inkCount() > 0);
            for (int x = 0; x < 16; ++x) {
                QVERIFY(!lowered.ink(x, 0) && !lowered.ink(x, 1));
                for (int y = 0; y + 2 < 16; ++y) {
                    QCOMPARE(lowered.ink(x, y + 2), plain.ink(x, y));
                }
            }
        }
    }

    // A block drawn wider than the glyph: its ink beyond column 12 must not reach the
    // padding bits, and nothing is written past the glyph's bytes.
    void nothingOutsideTheGlyphCorner()
    {
        GlyphRenderer renderer;
        QVERIFY(renderer.BeginRender(fontOf(blockFont, 26), 12, 20, 0, 0));
        QCOMPARE(renderer.renderSide(), 20);
        QCOMPARE(renderer.glyphBytes(), std::size_t { 40 });
        std::vector<std::uint8_t> buffer(40 + 16, 0xA5);
        std::fill_n(buffer.begin(), 40, 0);
        QVERIFY(renderer.RenderGlyph({ buffer.data(), 40 }, fullBlock));

        bool inkBeyondWidth = false;
        const QImage& surface = renderer.surface();
        for (int y = 0; y < 20; ++y) {
            for (int x = 12; x < 20; ++x) {
                inkBeyondWidth = inkBeyondWidth || (surface.pixel(x, y) & 0xFFFFFF) == 0;
            }
        }
        QVERIFY2(inkBeyondWidth, "the test needs ink right of the glyph");
        for (int row = 0; row < 20; ++row) {
            QCOMPARE(buffer[row * 2 + 1] & 0x0F, 0);
        }
        for (std::size_t i = 40; i < buffer.size(); ++i) {
            QCOMPARE(buffer[i], std::uint8_t { 0xA5 });
        }
    }

    void onlyTheTopRowsOfAWideGlyphAreRead()
    {
        const QFont font = fontOf(blockFont, 16);
        const Glyph wide = render(font, 16, 8, 0, 0, fullBlock);
        const Glyph square = render(font, 16, 16, 0, 0, fullBlock);
        QCOMPARE(wide.bytes.size(), std::size_t { 16 });
        QVERIFY(std::equal(wide.bytes.begin(), wide.bytes.end(), square.bytes.begin()));
        // The block goes on below row 8 in the square surface.
        QVERIFY(std::any_of(
            square.bytes.begin() + 16, square.bytes.end(), [](auto b) { return b != 0; }));
    }

    void inkIsAddedToWhatTheDestinationHolds()
    {
        GlyphRenderer renderer;
        QVERIFY(renderer.BeginRender(fontOf(mono, 16), 16, 16, 0, 0));
        std::vector<std::uint8_t> glyph(32, 0);
        glyph[0] = 0x80;
        glyph[31] = 0x01;
        QVERIFY(renderer.RenderGlyph(glyph, u' '));
        QCOMPARE(glyph[0], std::uint8_t { 0x80 });
        QCOMPARE(glyph[31], std::uint8_t { 0x01 });
        QCOMPARE(std::count(glyph.begin(), glyph.end(), 0), std::ptrdiff_t { 30 });
    }

    void eachGlyphStartsFromAWhiteSurface()
    {
        GlyphRenderer renderer;
        QVERIFY(renderer.BeginRender(fontOf(blockFont, 16), 16, 16, 0, 0));
        std::vector<std::uint8_t> block(32, 0);
        std::vector<std::uint8_t> space(32, 0);
        QVERIFY(renderer.RenderGlyph(block, fullBlock));
        QVERIFY(renderer.RenderGlyph(space, u' '));
        QVERIFY(std::any_of(block.begin(), block.end(), [](auto b) { return b != 0; }));
        QVERIFY(std::all_of(space.begin(), space.end(), [](auto b) { return b == 0; }));
    }

    void styleIsHonoured()
    {
        QFont plain = fontOf(mono, 16);
        QFont bold = plain;
        bold.setWeight(QFont::Bold);
        QFont italic = plain;
        italic.setItalic(true);
        QFont underline = plain;
        underline.setUnderline(true);
        QFont strikeOut = plain;
        strikeOut.setStrikeOut(true);

        const Glyph regular = render(plain, 16, 16, 0, 0, u'l');
        QVERIFY(render(bold, 16, 16, 0, 0, u'l').inkCount() > regular.inkCount());
        QVERIFY(render(italic, 16, 16, 0, 0, u'l').bytes != regular.bytes);

        // A space has no ink of its own: underline and strike-out lines are all there is.
        // Qt puts the underline below the cell's descent, so the glyph is taller than
        // the character cell.
        const Glyph underlined = render(underline, 16, 20, 0, 0, u' ');
        const Glyph struck = render(strikeOut, 16, 20, 0, 0, u' ');
        QCOMPARE(render(plain, 16, 20, 0, 0, u' ').inkCount(), 0);
        QVERIFY(underlined.inkCount() > 0);
        QVERIFY(struck.inkCount() > 0);
        QVERIFY(underlined.bytes != struck.bytes);
    }

    void unsupportedSizesAndMisuseAreRefused()
    {
        GlyphRenderer renderer;
        std::vector<std::uint8_t> glyph(32, 0);
        QVERIFY(!renderer.RenderGlyph(glyph, u'A'));
        QVERIFY(!renderer.EndRender());
        QVERIFY(!renderer.BeginRender(fontOf(mono, 16), 0, 16, 0, 0));
        QVERIFY(!renderer.BeginRender(fontOf(mono, 16), 16, maxGlyphSide + 1, 0, 0));
        QVERIFY(!renderer.isRendering());
        QVERIFY(renderer.BeginRender(fontOf(mono, 16), 16, 16, 0, 0));
        std::vector<std::uint8_t> shortBuffer(31, 0);
        QVERIFY(!renderer.RenderGlyph(shortBuffer, u'A'));
        QVERIFY(renderer.EndRender());
        QVERIFY(!renderer.EndRender());
    }
};

} // namespace tessellon

QTEST_MAIN(tessellon::GlyphRendererTest)
#include "GlyphRenderer_test.moc"
