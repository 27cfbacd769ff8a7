#include "editor/ExchangePicture.h"

#include "document/SafeFileWriter.h"
#include "editor/GlyphExchange.h"
#include "formats/PictureDecoder.h"
#include "formats/QImageRgbImage.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
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

    // At 32 bits a pixel the largest picture the exchange takes.
    constexpr int exchangeDecodedMiB = static_cast<int>(maxExchangePixels * 4 >> 20);

    PictureLimits exchangeLimits()
    {
        return { [](int width, int height) {
                    return checkSize({ width, height });
                },
            exchangeDecodedMiB };
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
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    Result<QImage> decoded
        = decodePicture(buffer, static_cast<std::uint64_t>(bytes.size()), exchangeLimits());
    if (!decoded) {
        return failure(decoded.message());
    }
    return exchangePicture(*decoded);
}

Result<QImage> readExchangePictureFile(const QString& path)
{
    const std::string name = toPath(path);
    Result<QImage> decoded = decodePictureFile(
        name, static_cast<std::uint64_t>(maxPictureFileBytes), exchangeLimits());
    if (!decoded) {
        const bool named = decoded.message().find(name) != std::string::npos;
        return failure(named ? decoded.message() : name + ": " + decoded.message());
    }
    return exchangePicture(*decoded);
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
