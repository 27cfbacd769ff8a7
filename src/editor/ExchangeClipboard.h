#pragma once

#include "document/Result.h"

#include <QImage>

#include <optional>

class QClipboard;

namespace tessellon {

// The clipboard as the glyph exchange uses it: pictures only.

// Whether the clipboard holds a picture: encoded in a format Qt reads (what other programs
// offer) or as an image of this program's own.
bool ClipboardHasBitmap(const QClipboard& clipboard);

// The clipboard's picture, read and checked as readExchangePicture reads a file's bytes
// (an image of this program's own as exchangePicture checks it); nullopt when the clipboard
// holds no picture.
std::optional<Result<QImage>> clipboardPicture(const QClipboard& clipboard);

// Puts picture on the clipboard, replacing what was there.
void putPictureOnClipboard(QClipboard& clipboard, const QImage& picture);

} // namespace tessellon
