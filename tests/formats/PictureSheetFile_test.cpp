#include "formats/PictureSheetFile.h"
#include "formats/QtPictureCodec.h"

#include "support/FontBuilders.h"
#include "support/PictureHeaders.h"
#include "support/TestFonts.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <stop_token>

using namespace tessellon;

class PictureSheetFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    const FontLib m_font = test::numberedFont(7, 9, 5, false);

    std::string path(const QString& name) const { return m_dir.filePath(name).toStdString(); }

    static inline const QtPictureCodec pictures;

    static FontFileOptions sheetOptions()
    {
        FontFileOptions options;
        options.columns = 3;
        options.cell = GlyphSize { 7, 9 };
        options.pictures = &pictures;
        return options;
    }

    QByteArray writtenSheet(const QString& name)
    {
        const Status written = writePictureSheetFile(path(name), m_font, sheetOptions());
        return written ? test::fileBytes(m_dir.filePath(name)) : QByteArray();
    }

    bool readsAsTheFont(const Result<FontLib>& read) const
    {
        return read && read->info.glyphCount == m_font.info.glyphCount
            && read->pixelData == m_font.pixelData;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void everyCutOfAWrittenSheetIsRefusedOrReadExactly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("png") << "sheet.png";
        QTest::newRow("bmp") << "sheet.bmp";
    }

    void everyCutOfAWrittenSheetIsRefusedOrReadExactly()
    {
        QFETCH(QString, name);
        const QByteArray sheet = writtenSheet(name);
        QVERIFY(!sheet.isEmpty());
        QVERIFY(readsAsTheFont(readPictureSheetFile(path(name), sheetOptions())));
        const QString cut = "cut." + name;
        for (qsizetype size = 0; size < sheet.size(); ++size) {
            QVERIFY(test::writeBytes(m_dir.filePath(cut), sheet.left(size)));
            const Result<FontLib> read = readPictureSheetFile(path(cut), sheetOptions());
            QVERIFY2(!read || readsAsTheFont(read), qPrintable(QString::number(size)));
            QVERIFY(read || !read.message().empty());
        }
    }

    void aBmpStoredTopDownReadsAsTheSameSheet()
    {
        QVERIFY(
            test::writeBytes(m_dir.filePath("down.bmp"), test::topDownBmp(writtenSheet("up.bmp"))));
        const Result<FontLib> read = readPictureSheetFile(path("down.bmp"), sheetOptions());
        QVERIFY2(readsAsTheFont(read), read.message().c_str());
    }

    // 8192 x 8192 pixels are within the sheet limits, but 16 bits a channel decode to twice
    // the memory that a sheet may take.
    void aPictureBeyondTheDecodingLimitIsCalledTooLarge()
    {
        QVERIFY(test::writeBytes(m_dir.filePath("deep.png"), test::pngClaiming(8192, 8192, 16)));
        const Result<FontLib> read = readPictureSheetFile(path("deep.png"), sheetOptions());
        QCOMPARE(QString::fromStdString(read.message()),
            QString::fromStdString("Cannot read " + path("deep.png")
                + ": the picture of 8192 x 8192 pixels is too large: decoded, its pixels would "
                  "take 512 MB, and at most 256 MB are decoded"));
    }

    // An 8-bit picture of two colours whose pixels use index 5: no colour, so background,
    // without a warning a pixel.
    void pixelsOfIndexesBeyondThePaletteAreBackground()
    {
        QTest::failOnWarning(QRegularExpression("out of range"));
        QImage picture(7, 9, QImage::Format_Indexed8);
        picture.setColorTable({ qRgb(255, 255, 255), qRgb(0, 0, 0) });
        picture.fill(5);
        picture.setPixel(3, 4, 1);
        QVERIFY(picture.save(m_dir.filePath("palette.bmp")));
        FontFileOptions options = sheetOptions();
        options.columns = 1;
        const Result<FontLib> read = readPictureSheetFile(path("palette.bmp"), options);
        QVERIFY2(read.ok(), read.message().c_str());
        QCOMPARE(read->info.glyphCount, 1u);
        const auto ink = std::count_if(read->pixelData.begin(), read->pixelData.end(),
            [](std::uint8_t byte) { return byte != 0; });
        QCOMPARE(ink, 1);
    }

    void anInterruptedWriteLeavesTheOldFile()
    {
        std::stop_source stop;
        stop.request_stop();
        FontFileOptions options = sheetOptions();
        options.stop = stop.get_token();
        for (const QString name : { "kept.png", "kept.bmp" }) {
            QVERIFY(test::writeBytes(m_dir.filePath(name), "old"));
            const Status written = writePictureSheetFile(path(name), m_font, options);
            QCOMPARE(QString::fromStdString(written.message()),
                QString::fromStdString("Cannot write file " + path(name) + ": interrupted"));
            QCOMPARE(test::fileBytes(m_dir.filePath(name)), QByteArray("old"));
            QCOMPARE(
                QDir(m_dir.path()).entryList({ name + "*" }, QDir::Files), QStringList { name });
        }
    }
};

QTEST_MAIN(PictureSheetFileTest)
#include "PictureSheetFile_test.moc"
