#include "formats/PictureSheetFile.h"

#include "document/SafeFileWriter.h"
#include "formats/CodecOutputFilter.h"
#include "formats/PictureDecoder.h"
#include "formats/PictureSheet.h"

#include <QFileInfo>
#include <QIODevice>
#include <QImage>

#include <span>

namespace tessellon {

namespace {

    // A picture file larger than this is not read; the largest sheet a font gives as a
    // 24-bit BMP stays below it.
    constexpr std::uint64_t maxPictureFileBytes = 256ull << 20;
    // The largest sheet at 32 bits a pixel.
    constexpr int decodedMiB = 256;

    // A picture as it shows on white: every pixel that is not fully opaque reads as white.
    // It reads the decoded picture in whatever format its codec gave, without a copy.
    class ShownOnWhite final : public RgbImage {
    public:
        explicit ShownOnWhite(QImage& image)
            : m_image(image)
        {
        }

        int width() const override { return m_image.width(); }
        int height() const override { return m_image.height(); }
        Rgb pixel(int x, int y) const override
        {
            const QRgb value = m_image.pixel(x, y);
            if (qAlpha(value) != 255) {
                return white;
            }
            return { static_cast<std::uint8_t>(qRed(value)),
                static_cast<std::uint8_t>(qGreen(value)), static_cast<std::uint8_t>(qBlue(value)) };
        }
        void setPixel(int x, int y, Rgb colour) override
        {
            m_image.setPixel(x, y, qRgb(colour.red, colour.green, colour.blue));
        }

    private:
        QImage& m_image;
    };

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

    // Hands what Qt's encoder writes straight to a SafeFileWriter, so that the encoded picture
    // is never held whole; the writer's first failure ends the encoding and is kept.
    class SafeFileDevice final : public QIODevice {
    public:
        explicit SafeFileDevice(SafeFileWriter& writer)
            : m_writer(writer)
        {
            open(QIODevice::WriteOnly);
        }

        const Status& status() const { return m_status; }

    protected:
        qint64 readData(char*, qint64) override { return -1; }
        qint64 writeData(const char* data, qint64 size) override
        {
            if (m_status) {
                m_status = m_writer.write({ reinterpret_cast<const std::uint8_t*>(data),
                    static_cast<std::size_t>(size) });
            }
            return m_status ? size : -1;
        }

    private:
        SafeFileWriter& m_writer;
        Status m_status;
    };

    // "Cannot read PATH: why", unless the message names the file already.
    std::string aboutPicture(const std::string& path, const std::string& message)
    {
        return message.find(path) != std::string::npos ? message
                                                       : "Cannot read " + path + ": " + message;
    }

    const char* codecFor(const std::string& path)
    {
        const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
        return suffix == QLatin1String("bmp") ? "BMP" : "PNG";
    }

} // namespace

Result<FontLib> readPictureSheetFile(const std::string& path, const FontFileOptions& options)
{
    Result<QImage> picture = decodePictureFile(path, maxPictureFileBytes,
        { [](int width, int height) { return checkSheetPictureSize(width, height); }, decodedMiB });
    if (!picture) {
        return failure(aboutPicture(path, picture.message()));
    }
    ShownOnWhite image(*picture);
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
    SafeFileWriter writer(path, options.stop);
    if (Status opened = writer.open(); !opened) {
        return opened;
    }
    SafeFileDevice device(writer);
    const CodecOutputFilter quiet;
    if (!picture.image().save(&device, codecFor(path))) {
        return device.status()
            ? failure("Cannot save " + path + ": the picture could not be encoded")
            : device.status();
    }
    return device.status() ? writer.commit() : device.status();
}

} // namespace tessellon
