#include "editor/ExchangePicture.h"

#include "editor/ExchangeClipboard.h"
#include "editor/GlyphExchange.h"
#include "support/PictureHeaders.h"
#include "support/TestFonts.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace tessellon;

namespace {

// 16 x 8: black squares of 2 x 2 in a checkerboard (63 black pixels), one of whose pixels,
// (15, 7), is dark grey and no ink. checker-16x8.gif in the test data holds the same picture.
QImage checker()
{
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            if ((x / 2 + y / 2) % 2 == 0) {
                image.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
    }
    image.setPixel(15, 7, qRgb(40, 40, 40));
    return image;
}

// Where a picture has its ink: the exactly black pixels.
QList<QPoint> inkOf(const QImage& image)
{
    QList<QPoint> ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == 0) {
                ink << QPoint(x, y);
            }
        }
    }
    return ink;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

} // namespace

class ExchangePictureTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        if (!test::writeBytes(path, bytes)) {
            qFatal("cannot write a test file");
        }
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void everyFormatReadsToTheSameInk_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QImage>("shown");
        // One bit a pixel has no dark grey: making the picture turned it black.
        const QImage twoColours = checker().convertToFormat(QImage::Format_Mono);
        QTest::newRow("bmp, 24 bits") << encoded(checker(), "bmp") << checker();
        QTest::newRow("bmp, 1 bit") << encoded(twoColours, "bmp") << twoColours;
        QTest::newRow("bmp, stored top down")
            << test::topDownBmp(encoded(checker(), "bmp")) << checker();
        QTest::newRow("bmp, 1 bit, top down")
            << test::topDownBmp(encoded(twoColours, "bmp")) << twoColours;
        QTest::newRow("png") << encoded(checker(), "png") << checker();
        QTest::newRow("pbm") << encoded(checker(), "pbm") << twoColours;
        QTest::newRow("gif") << test::fileBytes(TEST_DATA_DIR "/pictures/checker-16x8.gif")
                             << checker();
    }

    void everyFormatReadsToTheSameInk()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QImage, shown);
        QVERIFY(!bytes.isEmpty());
        const Result<QImage> picture = readExchangePicture(bytes);
        QVERIFY2(picture.ok(), picture.message().c_str());
        QCOMPARE(picture->format(), QImage::Format_RGB32);
        QCOMPARE(inkOf(*picture), inkOf(shown));
        QCOMPARE(inkOf(*picture).size(), 63 + int(shown.depth() == 1));
    }

    void damagedPicturesAreRefusedWithTheReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray bmp = encoded(checker(), "bmp");
        const QByteArray png = encoded(checker(), "png");
        const QByteArray pbm = encoded(checker(), "pbm");
        QTest::newRow("bmp cut short") << bmp.left(bmp.size() - 1) << "cut short";
        QTest::newRow("1-bit bmp cut short")
            << encoded(checker().convertToFormat(QImage::Format_Mono), "bmp").chopped(4)
            << "cut short";
        QTest::newRow("png cut short") << png.left(png.size() / 2) << "cannot be read";
        QTest::newRow("pbm cut short") << pbm.left(pbm.size() - 3) << "cannot be read";
        QTest::newRow("text") << QByteArray("Glyphs, but in words.") << "not a picture";
        QTest::newRow("nothing") << QByteArray() << "not a picture";
        QTest::newRow("png of 100000 x 100000")
            << test::pngClaiming(100000, 100000) << "100000 x 100000 pixels is larger";
        QTest::newRow("gif of 65535 x 65535")
            << test::gifClaiming(65535, 65535) << "65535 x 65535 pixels is larger";
        QTest::newRow("bmp of 6000 x 6000 stored top down")
            << test::bmpClaiming(6000, -6000) << "6000 x 6000 pixels is larger";
        QTest::newRow("top-down bmp cut short")
            << test::topDownBmp(bmp).chopped(1) << "the BMP file is cut short";
        QTest::newRow("16-bit png beyond the decoding limit")
            << test::pngClaiming(4096, 8192, 16)
            << "4096 x 8192 pixels is too large: decoded, its pixels would take 256 MB, and at "
               "most 128 MB are decoded";
    }

    void damagedPicturesAreRefusedWithTheReason()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const Result<QImage> picture = readExchangePicture(bytes);
        QVERIFY(!picture.ok());
        QVERIFY2(
            QString::fromStdString(picture.message()).contains(reason), picture.message().c_str());
    }

    void onlyWhatShowsBlackIsInk()
    {
        QImage image(3, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(0, 0, 0, 255));
        image.setPixel(1, 0, qRgba(0, 0, 0, 0));
        image.setPixel(2, 0, qRgba(0, 0, 0, 128));
        const Result<QImage> picture = readExchangePicture(encoded(image, "png"));
        QVERIFY(picture.ok());
        QCOMPARE(inkOf(*picture), QList<QPoint> { QPoint(0, 0) });
        QCOMPARE(picture->pixel(1, 0), qRgb(255, 255, 255));
    }

    void filesThatAreNoPicturesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.bmp"
                                 << "No such file";
        QTest::newRow("folder") << "folder.bmp"
                                << "folder";
        QTest::newRow("fifo") << "fifo.bmp"
                              << "not a regular file";
    }

    void filesThatAreNoPicturesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QDir(m_dir.path()).mkdir("folder.bmp");
        ::mkfifo(QFile::encodeName(m_dir.filePath("fifo.bmp")).constData(), 0600);
        const Result<QImage> picture = readExchangePictureFile(m_dir.filePath(name));
        QVERIFY(!picture.ok());
        QVERIFY2(
            QString::fromStdString(picture.message()).contains(reason), picture.message().c_str());
    }

    void bmpFilesAreWrittenWith24BitsAndReadBack()
    {
        const QString path = m_dir.filePath("written.bmp");
        QVERIFY(writeExchangePicture(checker(), path).ok());
        const QByteArray bytes = test::fileBytes(path);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(int(bytes[28]), 24);
        const Result<QImage> read = readExchangePictureFile(path);
        QVERIFY(read.ok());
        QCOMPARE(inkOf(*read), inkOf(checker()));
    }

    void aFailedWriteLeavesTheOldFile()
    {
        const QString path = writeFile("kept.bmp", "old");
        QVERIFY(QFile(path).setPermissions(QFileDevice::ReadOwner));
        const Status written = writeExchangePicture(checker(), path);
        QVERIFY(!written.ok());
        QVERIFY2(
            written.message().find("kept.bmp") != std::string::npos, written.message().c_str());
        QCOMPARE(test::fileBytes(path), QByteArray("old"));
    }

    void clipboardHoldsABitmap_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("bitmap");
        QTest::newRow("text") << "text/plain" << QByteArray("abc") << false;
        QTest::newRow("png") << "image/png" << encoded(checker(), "png") << true;
        QTest::newRow("bmp") << "image/bmp" << encoded(checker(), "bmp") << true;
        QTest::newRow("svg, which Qt here cannot read")
            << "image/svg+xml" << QByteArray("<svg/>") << false;
    }

    void clipboardHoldsABitmap()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, bitmap);
        auto* data = new QMimeData;
        data->setData(format, bytes);
        QClipboard& clipboard = *QGuiApplication::clipboard();
        clipboard.setMimeData(data);
        QCOMPARE(ClipboardHasBitmap(clipboard), bitmap);
        const auto picture = clipboardPicture(clipboard);
        QCOMPARE(picture.has_value(), bitmap);
        if (bitmap) {
            QVERIFY(picture->ok());
            QCOMPARE(inkOf(picture->value()), inkOf(checker()));
        }
    }

    void clipboardPicturesAreCheckedAsFilesAre()
    {
        QClipboard& clipboard = *QGuiApplication::clipboard();
        auto* data = new QMimeData;
        data->setData("image/png", test::pngClaiming(100000, 100000));
        clipboard.setMimeData(data);
        QVERIFY(ClipboardHasBitmap(clipboard));
        const auto refused = clipboardPicture(clipboard);
        QVERIFY(refused.has_value() && !refused->ok());

        putPictureOnClipboard(clipboard, checker());
        QVERIFY(ClipboardHasBitmap(clipboard));
        const auto own = clipboardPicture(clipboard);
        QVERIFY(own.has_value() && own->ok());
        QCOMPARE(inkOf(own->value()), inkOf(checker()));

        clipboard.clear();
        QVERIFY(!ClipboardHasBitmap(clipboard));
        QVERIFY(!clipboardPicture(clipboard).has_value());
    }
};

QTEST_MAIN(ExchangePictureTest)
#include "ExchangePicture_test.moc"
