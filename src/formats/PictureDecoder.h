#pragma once

#include "document/Result.h"
#include "formats/PictureCodec.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <string>

class QIODevice;

namespace tessellon {

// Pictures decoded through Qt's codecs for the readers that take them (picture sheets, the
// glyph exchange), each checked against its PictureLimits before anything is allocated for
// its pixels.

// Decodes the picture on device, which holds byteCount bytes from where it stands. Refused,
// with the reason: a BMP whose pixel rows are cut short (checkBmpPixelsPresent), bytes of no
// format Qt reads, a picture whose size (from its codec or, for a BMP stored top down, its
// header) limits.fits refuses or whose decoded pixels would take more than limits.decodedMiB,
// and a damaged one. The picture comes back in the format its codec gives; what the codec
// says about it on standard error is left out (CodecOutputFilter).
Result<QImage> decodePicture(
    QIODevice& device, std::uint64_t byteCount, const PictureLimits& limits);

// The same for the regular file at path, read as it is decoded; a file larger than maxBytes
// is refused unread. Failures that concern the file name it.
Result<QImage> decodePictureFile(
    const std::string& path, std::uint64_t maxBytes, const PictureLimits& limits);

} // namespace tessellon
