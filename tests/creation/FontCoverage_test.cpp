#include "creation/FontCoverage.h"

#include <QFontDatabase>
#include <QRawFont>
#include <QTest>

#include <algorithm>
#include <vector>

namespace tessellon {

// The characters a face lacks, by FreeType's character map of the face the drawing uses,
// are those Qt's own raw font of the desktop's drawing does not support: the characters Qt
// takes from fallback fonts.
class FontCoverageTest : public QObject {
    Q_OBJECT

private slots:
    void missingCharactersAreThoseQtDrawsFromOtherFonts_data()
    {
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("hinting");
        for (const char* font : { "DejaVu Sans", "Liberation Mono",
                 "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
                 "/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf" }) {
            for (HintingStyle style : { HintingStyle::System, HintingStyle::Light }) {
                QTest::addRow("%s %s", font, hintingStyleInfo(style).option)
                    << QString(font) << static_cast<int>(style);
            }
        }
    }

    void missingCharactersAreThoseQtDrawsFromOtherFonts()
    {
        QFETCH(QString, font);
        QFETCH(int, hinting);
        GlyphDrawingParams params;
        QString family = font;
        if (font.startsWith('/')) {
            if (!QFile::exists(font)) {
                QSKIP("font not installed");
            }
            family = QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(font))
                         .value(0);
            params.fontFile = font;
        }
        params.font = QFont(family);
        params.font.setPixelSize(16);
        params.hinting = static_cast<HintingStyle>(hinting);
        const auto plan = planGlyphDrawing(params);
        QVERIFY2(plan.ok(), plan.message().c_str());
        std::vector<std::uint16_t> codes;
        for (char32_t code = 0x20; code <= 0xFFFF; ++code) {
            if (code < 0xD800 || code > 0xDFFF) {
                codes.push_back(static_cast<std::uint16_t>(code));
            }
        }
        const auto coverage = findMissingCharacters(*plan, codes);
        QVERIFY2(coverage.ok(), coverage.message().c_str());
        const QRawFont raw = QRawFont::fromFont(params.font);
        std::vector<char32_t> unsupported;
        for (std::uint16_t code : codes) {
            if (!raw.supportsCharacter(static_cast<uint>(code))) {
                unsupported.push_back(code);
            }
        }
        QCOMPARE(QString::fromStdString(coverage->missing.fontName), raw.familyName());
        QVERIFY(!unsupported.empty());
        std::vector<char32_t> missing = coverage->missing.codes;
        if (params.hinting != HintingStyle::System) {
            std::erase(missing, char32_t { 0xA0 });
            std::erase(unsupported, char32_t { 0xA0 });
        }
        QVERIFY(missing == unsupported);
    }

    // Qt draws a no-break space a face lacks with the face's space; the FreeType styles take
    // it from a fallback font.
    void noBreakSpacesAreMissingOnlyWhereTheDrawingTakesThemElsewhere()
    {
        const QString font = "/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf";
        if (!QFile::exists(font)) {
            QSKIP("font not installed");
        }
        GlyphDrawingParams params;
        params.font
            = QFont(QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(font))
                        .value(0));
        params.font.setPixelSize(16);
        params.fontFile = font;
        const std::vector<std::uint16_t> noBreakSpace { 0xA0 };
        for (HintingStyle style : { HintingStyle::System, HintingStyle::Light }) {
            params.hinting = style;
            const auto plan = planGlyphDrawing(params);
            QVERIFY2(plan.ok(), plan.message().c_str());
            const auto coverage = findMissingCharacters(*plan, noBreakSpace);
            QVERIFY2(coverage.ok(), coverage.message().c_str());
            QCOMPARE(coverage->missing.codes.size(), style == HintingStyle::System ? 0u : 1u);
        }
    }
};

} // namespace tessellon

QTEST_MAIN(tessellon::FontCoverageTest)
#include "FontCoverage_test.moc"
