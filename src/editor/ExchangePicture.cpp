#include "editor/ExchangePicture.h"

#include "document/ByteSource.h"
#include "document/SafeFileWriter.h"
#include "editor/BmpPixelCheck.h"
#include "editor/GlyphExchange.h"
#include "editor/QImageRgbImage.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace tessellon {

namespace {

    std::string toPath(const QString& name) { return QFile::encodeName(name).toStdString(); }

    std::span<const std::uint8_t> byteSpan(const QByteArray& bytes)
    {
        return { reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size()) };
    }

    Status checkSize(const QSize& size)
    {
        return checkExchangePictureSize(size.width(), size.height());
    }

    Failure outOfMemory(const QSize& size)
    {
        return failure("there is not enough memory for a picture of " + std::to_string(size.width())
            + " x " + std::to_string(size.height()) + " pixels");
    }

    // Only what shows as black is ink: pixels that are not wholly opaque are laid over white.
    QImage opaqueRgb(const QImage& image)
    {
        if (!image.hasAlphaChannel()) {
            return image.convertToFormat(QImage::Format_RGB32);
        }
        QImage canvas(image.size(), QImage::Format_RGB32);
        if (!canvas.isNull()) {
            canvas.fill(Qt::white);
            QPainter painter(&canvas);
            painter.drawImage(0, 0, image);
        }
        return canvas;
    }

} // namespace

Result<QImage> exchangePicture(const QImage& decoded)
{
    if (decoded.isNull()) {
        return failure("there is no picture to read");
    }
    if (const Status fits = checkSize(decoded.size()); !fits) {
        return failure(fits.message());
    }
    QImage picture = opaqueRgb(decoded);
    if (picture.isNull()) {
        return outOfMemory(decoded.size());
    }
    return picture;
}

Result<QImage> readExchangePicture(const QByteArray& bytes)
{
    if (const Status whole = checkBmpPixelsPresent(byteSpan(bytes)); !whole) {
        return failure(whole.message());
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead()) {
        return failure("it is not a picture in a format that can be read");
    }
    // A size known before decoding is checked before anything is allocated for the pixels.
    if (const QSize size = reader.size(); size.isValid()) {
        if (const Status fits = checkSize(size); !fits) {
            return failure(fits.message());
        }
    }
    QImage decoded;
    if (!reader.read(&decoded)) {
        return failure("the picture cannot be read: " + reader.errorString().toStdString());
    }
    return exchangePicture(decoded);
}

Result<QImage> readExchangePictureFile(const QString& path)
{
    Result<QByteArray> bytes = readWholeFile<QByteArray>(
        toPath(path), static_cast<std::uint64_t>(maxPictureFileBytes), "a picture file");
    if (!bytes) {
        return failure(bytes.message());
    }
    Result<QImage> picture = readExchangePicture(*bytes);
    if (!picture) {
        return failure(toPath(path) + ": " + picture.message());
    }
    return picture;
}

Result<QImage> copyPicture(const FontLib& font, const GridRect& cells)
{
    const int glyphWidth = font.info.glyphWidth;
    const int glyphHeight = font.info.glyphHeight;
    const Result<PictureSize> size = copyPictureSize(cells, glyphWidth, glyphHeight);
    if (!size) {
        return failure(size.message());
    }
    QImage picture(size->width, size->height, QImage::Format_RGB32);
    if (picture.isNull()) {
        return outOfMemory({ size->width, size->height });
    }
    picture.fill(Qt::white);
    QImageRgbImage canvas(picture);
    drawGlyphBlock(font, copyBlock(cells, glyphWidth, glyphHeight), canvas);
    return picture;
}

TileBlock pasteBlockOf(const FontLib& font, const GridRect& cells, const QImage& picture)
{
    return pasteBlock(
        cells, { picture.width(), picture.height() }, font.info.glyphWidth, font.info.glyphHeight);
}

GlyphChange pasteChange(const FontLib& font, const TileBlock& block, const QImage& picture)
{
    QImage shared = picture;
    return changeFromBlock(font, block, QImageRgbImage(shared));
}

Status writeExchangePicture(const QImage& picture, const QString& path)
{
    QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format)) {
        format = "bmp";
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(picture)) {
        return failure(
            "Cannot create file " + toPath(path) + ": " + writer.errorString().toStdString());
    }
    return writeFileSafely(toPath(path), byteSpan(bytes));
}

} // namespace tessellon
