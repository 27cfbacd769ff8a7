#include "editor/ExchangeClipboard.h"

#include "editor/ExchangePicture.h"

#include <QClipboard>
#include <QImageReader>
#include <QMimeData>

namespace tessellon {

namespace {

    // The first of the clipboard's formats that is a picture Qt can decode.
    QString readablePictureFormat(const QMimeData& data)
    {
        // Asked whenever the program goes idle; the readers Qt has do not change during a run.
        static const QList<QByteArray> readable = QImageReader::supportedMimeTypes();
        for (const QString& format : data.formats()) {
            if (readable.contains(format.toLatin1())) {
                return format;
            }
        }
        return {};
    }

} // namespace

bool ClipboardHasBitmap(const QClipboard& clipboard)
{
    const QMimeData* data = clipboard.mimeData();
    return data && (data->hasImage() || !readablePictureFormat(*data).isEmpty());
}

std::optional<Result<QImage>> clipboardPicture(const QClipboard& clipboard)
{
    const QMimeData* data = clipboard.mimeData();
    if (!data) {
        return std::nullopt;
    }
    // Encoded bytes are read as a file's are: their size is checked before they are decoded.
    if (const QString format = readablePictureFormat(*data); !format.isEmpty()) {
        return readExchangePicture(data->data(format));
    }
    if (data->hasImage()) {
        return exchangePicture(qvariant_cast<QImage>(data->imageData()));
    }
    return std::nullopt;
}

void putPictureOnClipboard(QClipboard& clipboard, const QImage& picture)
{
    clipboard.setImage(picture);
}

} // namespace tessellon
