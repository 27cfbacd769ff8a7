#include "formats/QtPictureCodec.h"

#include "document/SafeFileWriter.h"
#include "formats/CodecOutputFilter.h"
#include "formats/PictureDecoder.h"

#include <QFileInfo>
#include <QIODevice>
#include <QImage>

#include <span>

namespace tessellon {

namespace {

    // A picture as it shows on white: every pixel that is not fully opaque reads as white.
    // It reads the decoded picture in whatever format its codec gave, without a copy.
    class ShownOnWhite final : public RgbImage {
    public:
        explicit ShownOnWhite(QImage image)
            : m_image(std::move(image))
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
        QImage m_image;
    };

    // A picture of a few colours (a sheet needs three) is drawn into an 8-bit picture of
    // those, which Qt encodes several times faster than 32-bit pixels, into files a third the
    // size. A colour outside the palette is drawn as its last one.
    class PalettePicture final : public RgbImage {
    public:
        PalettePicture(int width, int height, std::span<const Rgb> colours)
            : m_image(width, height, QImage::Format_Indexed8)
            , m_colours(colours)
        {
            QList<QRgb> table;
            for (const Rgb colour : colours) {
                table.push_back(qRgb(colour.red, colour.green, colour.blue));
            }
            m_image.setColorTable(table);
        }

        const QImage& image() const { return m_image; }

        int width() const override { return m_image.width(); }
        int height() const override { return m_image.height(); }
        Rgb pixel(int x, int y) const override { return m_colours[m_image.constScanLine(y)[x]]; }
        void setPixel(int x, int y, Rgb colour) override
        {
            std::size_t index = 0;
            while (index + 1 < m_colours.size() && m_colours[index] != colour) {
                ++index;
            }
            m_image.scanLine(y)[x] = static_cast<uchar>(index);
        }

    private:
        QImage m_image;
        std::span<const Rgb> m_colours;
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

    const char* codecFor(const std::string& path)
    {
        const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
        return suffix == QLatin1String("bmp") ? "BMP" : "PNG";
    }

} // namespace

Result<std::unique_ptr<const RgbImage>> QtPictureCodec::readPicture(
    const std::string& path, std::uint64_t maxBytes, const PictureLimits& limits) const
{
    Result<QImage> picture = decodePictureFile(path, maxBytes, limits);
    if (!picture) {
        return failure(picture.message());
    }
    return std::unique_ptr<const RgbImage>(std::make_unique<ShownOnWhite>(std::move(*picture)));
}

Status QtPictureCodec::writePicture(const std::string& path, int width, int height,
    std::span<const Rgb> colours, const std::function<void(RgbImage&)>& draw,
    std::stop_token stop) const
{
    PalettePicture picture(width, height, colours);
    if (picture.image().isNull()) {
        return failure("Cannot save " + path + ": no memory for a picture of "
            + std::to_string(width) + " x " + std::to_string(height) + " pixels");
    }
    draw(picture);
    SafeFileWriter writer(path, std::move(stop));
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
