#include "formats/PictureDecoder.h"

#include "document/ByteSource.h"
#include "formats/BmpHeader.h"
#include "formats/CodecOutputFilter.h"

#include <QFile>
#include <QImageReader>

#include <climits>
#include <optional>
#include <span>
#include <string>

#include <unistd.h>

namespace tessellon {

namespace {

    constexpr std::uint64_t mebibyte = 1 << 20;

    std::span<const std::uint8_t> byteSpan(const QByteArray& bytes)
    {
        return { reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size()) };
    }

    std::string sizeText(const QSize& size)
    {
        return std::to_string(size.width()) + " x " + std::to_string(size.height()) + " pixels";
    }

    // The size known before decoding: the codec's, or the header's for a BMP stored top down,
    // for which Qt gives none.
    QSize sizeBeforeDecoding(QImageReader& reader, const QByteArray& head)
    {
        const QSize size = reader.size();
        if (size.isValid()) {
            return size;
        }
        const std::optional<BmpPictureSize> bmp = bmpPictureSize(byteSpan(head));
        if (!bmp || bmp->width > INT_MAX || bmp->height > INT_MAX) {
            return {};
        }
        return { static_cast<int>(bmp->width), static_cast<int>(bmp->height) };
    }

    // What the decoded pixels take, as Qt counts it for its allocation limit; 32 bits a pixel
    // where the codec does not say which format it gives.
    std::uint64_t decodedBytes(const QSize& size, QImage::Format format)
    {
        const int depth
            = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
        const std::uint64_t lineBytes
            = (static_cast<std::uint64_t>(size.width()) * depth + 31) / 32 * 4;
        return lineBytes * static_cast<std::uint64_t>(size.height());
    }

    Status checkSize(const QSize& size, QImage::Format format, const PictureLimits& limits)
    {
        if (Status fits = limits.fits(size.width(), size.height()); !fits) {
            return fits;
        }
        const std::uint64_t bytes = decodedBytes(size, format);
        if (bytes > static_cast<std::uint64_t>(limits.decodedMiB) * mebibyte) {
            return failure("the picture of " + sizeText(size) + " is too large: decoded, its "
                + "pixels would take " + std::to_string((bytes + mebibyte - 1) / mebibyte)
                + " MB, and at most " + std::to_string(limits.decodedMiB) + " MB are decoded");
        }
        return {};
    }

    // Pixels whose index lies beyond the picture's colour table read as background (white)
    // instead of as whatever QImage makes of an index it has no colour for.
    void giveEveryIndexAColour(QImage& picture)
    {
        const qsizetype indexes = picture.format() == QImage::Format_Indexed8 ? 256
            : picture.depth() == 1                                            ? 2
                                                                              : 0;
        QList<QRgb> colours = picture.colorTable();
        if (colours.size() < indexes) {
            colours.resize(indexes, qRgb(255, 255, 255));
            picture.setColorTable(colours);
        }
    }

} // namespace

Result<QImage> decodePicture(
    QIODevice& device, std::uint64_t byteCount, const PictureLimits& limits)
{
    const CodecOutputFilter quiet;
    const QByteArray head = device.peek(bmpHeaderBytes);
    QImageReader reader(&device);
    reader.setAllocationLimit(limits.decodedMiB);
    if (!reader.canRead()) {
        return failure("it is not a picture in a format that can be read (PNG, BMP, PBM, GIF...)");
    }
    const QSize size = sizeBeforeDecoding(reader, head);
    if (size.isValid()) {
        if (Status fits = checkSize(size, reader.imageFormat(), limits); !fits) {
            return failure(fits.message());
        }
    }
    if (Status whole = checkBmpPixelsPresent(byteSpan(head), byteCount); !whole) {
        return failure(whole.message());
    }
    QImage picture;
    if (!reader.read(&picture)) {
        return failure("the picture is damaged or cut short and cannot be read ("
            + reader.errorString().toStdString() + ")");
    }
    if (Status fits = limits.fits(picture.width(), picture.height()); !fits) {
        return failure(fits.message());
    }
    giveEveryIndexAColour(picture);
    return picture;
}

Result<QImage> decodePictureFile(
    const std::string& path, std::uint64_t maxBytes, const PictureLimits& limits)
{
    const Result<RegularFile> opened = openRegularFile(path);
    if (!opened) {
        return failure("Cannot open file " + path + ": " + opened.message());
    }
    QFile file;
    if (!file.open(opened->descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(opened->descriptor);
        return failure("Cannot open file " + path + ": " + file.errorString().toStdString());
    }
    if (opened->size > maxBytes) {
        return failure(fileTooLargeMessage(path, maxBytes, "a picture file"));
    }
    return decodePicture(file, opened->size, limits);
}

} // namespace tessellon
