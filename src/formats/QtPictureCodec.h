#pragma once

#include "formats/PictureCodec.h"

namespace tessellon {

// Picture files through Qt's image codecs: read with the checked decoder (PictureDecoder.h),
// written with Qt's encoders straight into a SafeFileWriter. Reading a GIF or writing needs a
// QGuiApplication, as Qt's picture plugins do.
class QtPictureCodec final : public PictureCodec {
public:
    Result<std::unique_ptr<const RgbImage>> readPicture(const std::string& path,
        std::uint64_t maxBytes, const PictureLimits& limits) const override;
    Status writePicture(const std::string& path, int width, int height,
        std::span<const Rgb> colours, const std::function<void(RgbImage&)>& draw,
        std::stop_token stop) const override;
};

} // namespace tessellon
