#include "formats/PictureSheetFile.h"

#include "document/ByteSource.h"
#include "document/SafeFileWriter.h"
#include "editor/QImageRgbImage.h"
#include "formats/PictureSheet.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <span>

namespace tessellon {

namespace {

    // A picture file larger than this is not read; the largest sheet a font gives as a
    // 24-bit BMP stays below it.
    constexpr std::uint64_t maxPictureFileBytes = 256ull << 20;
    constexpr int allocationLimitMiB = 256;

    // Every pixel that is not fully opaque is background, as it would show on white.
    QImage opaqueOnWhite(const QImage& picture)
    {
        QImage image = picture.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(line[x]) != 255) {
                    line[x] = qRgb(255, 255, 255);
                }
            }
        }
        return image.convertToFormat(QImage::Format_RGB32);
    }

    Result<QImage> decodePicture(const std::string& path, QByteArray& bytes)
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setAllocationLimit(allocationLimitMiB);
        const QSize size = reader.size();
        if (!size.isValid()) {
            return failure("Cannot read " + path
                + ": it is not a picture that can be read (PNG, BMP, PBM, GIF...), or it is "
                  "damaged");
        }
        if (Status fits = checkSheetPictureSize(size.width(), size.height()); !fits) {
            return failure("Cannot read " + path + ": " + fits.message());
        }
        const QImage picture = reader.read();
        if (picture.isNull()) {
            return failure("Cannot read " + path + ": the picture is damaged ("
                + reader.errorString().toStdString() + ")");
        }
        return opaqueOnWhite(picture);
    }

    // A sheet needs three colours only: it is drawn into an 8-bit picture of those, which
    // Qt encodes several times faster than 32-bit pixels, into files a third the size.
    class SheetPicture final : public RgbImage {
    public:
        SheetPicture(int width, int height)
            : m_image(width, height, QImage::Format_Indexed8)
        {
            m_image.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255),
                qRgb(sheetFillerGrey.red, sheetFillerGrey.green, sheetFillerGrey.blue) });
        }

        const QImage& image() const { return m_image; }

        int width() const override { return m_image.width(); }
        int height() const override { return m_image.height(); }
        Rgb pixel(int x, int y) const override { return palette[m_image.constScanLine(y)[x]]; }
        void setPixel(int x, int y, Rgb colour) override
        {
            m_image.scanLine(y)[x] = colour == black ? 0 : colour == white ? 1 : 2;
        }

    private:
        static constexpr Rgb palette[] = { black, white, sheetFillerGrey };
        QImage m_image;
    };

    const char* codecFor(const std::string& path)
    {
        const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
        return suffix == QLatin1String("bmp") ? "BMP" : "PNG";
    }

} // namespace

Result<FontLib> readPictureSheetFile(const std::string& path, const FontFileOptions& options)
{
    auto bytes = readWholeFile<QByteArray>(path, maxPictureFileBytes, "a picture file");
    if (!bytes) {
        return failure(bytes.message());
    }
    auto picture = decodePicture(path, *bytes);
    if (!picture) {
        return failure(picture.message());
    }
    QImageRgbImage image(*picture);
    Result<FontLib> font = readPictureSheet(image, options);
    if (!font) {
        return failure("Cannot read " + path + " as a picture sheet: " + font.message());
    }
    return font;
}

Status writePictureSheetFile(
    const std::string& path, const FontLib& font, const FontFileOptions& options)
{
    const Result<GlyphSize> size = sheetSizeFor(font, options.columns);
    if (!size) {
        return failure("Cannot save " + path + ": " + size.message());
    }
    SheetPicture picture(size->width, size->height);
    if (picture.image().isNull()) {
        return failure("Cannot save " + path + ": no memory for a picture of "
            + std::to_string(size->width) + " x " + std::to_string(size->height) + " pixels");
    }
    drawPictureSheet(font, options.columns, picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.image().save(&buffer, codecFor(path))) {
        return failure("Cannot save " + path + ": the picture could not be encoded");
    }
    return writeFileSafely(path,
        { reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size()) });
}

} // namespace tessellon
