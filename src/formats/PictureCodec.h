#pragma once

#include "document/Result.h"
#include "document/RgbImage.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stop_token>
#include <string>

namespace tessellon {

// What a reader takes of a picture, checked before anything is allocated for its pixels.
struct PictureLimits {
    // Whether a picture of that size is taken; if not, why not.
    std::function<Status(int width, int height)> fits;
    // The most memory the decoded pixels may take, in MiB.
    int decodedMiB = 256;
};

// Picture files (PNG, BMP, PBM, GIF...) through codecs that the core does not hold: the
// render layer implements this with Qt's (QtPictureCodec.h). The core draws and reads the
// pixels; the codec only decodes and encodes them.
class PictureCodec {
public:
    virtual ~PictureCodec() = default;

    // Reads the picture at path: a file larger than maxBytes is refused unread, the picture's
    // size is read and checked against limits before its pixels are decoded, and then its
    // pixels come back as they show on white (a pixel that is not fully opaque is white).
    // Failures that concern the file name it.
    virtual Result<std::unique_ptr<const RgbImage>> readPicture(
        const std::string& path, std::uint64_t maxBytes, const PictureLimits& limits) const = 0;

    // Writes a picture of width x height pixels of the given colours only (at most 256), which
    // draw paints, as a PNG or BMP file by the name's extension. Once stop is requested the
    // write stops; the old file stays untouched unless the new one was written in full.
    virtual Status writePicture(const std::string& path, int width, int height,
        std::span<const Rgb> colours, const std::function<void(RgbImage&)>& draw,
        std::stop_token stop) const = 0;
};

} // namespace tessellon
