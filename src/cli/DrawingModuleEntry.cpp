#include "cli/DrawingCommands.h"
#include "cli/DrawingModule.h"
#include "cli/GuiApplicationScope.h"
#include "formats/QtPictureCodec.h"

#include <type_traits>

namespace {

// Qt's picture codecs with the application object that its picture plugins need, made with
// the codec and removed with it.
class ApplicationPictureCodec final : public tessellon::PictureCodec {
public:
    tessellon::Result<std::unique_ptr<const tessellon::RgbImage>> readPicture(
        const std::string& path, std::uint64_t maxBytes,
        const tessellon::PictureLimits& limits) const override
    {
        return m_codec.readPicture(path, maxBytes, limits);
    }

    tessellon::Status writePicture(const std::string& path, int width, int height,
        std::span<const tessellon::Rgb> colours,
        const std::function<void(tessellon::RgbImage&)>& draw, std::stop_token stop) const override
    {
        return m_codec.writePicture(path, width, height, colours, draw, std::move(stop));
    }

private:
    tessellon::cli::GuiApplicationScope m_application;
    tessellon::QtPictureCodec m_codec;
};

} // namespace

// The drawing module's entry points, the only names it shows the program that loads it.
extern "C" {

__attribute__((visibility("default"))) const char* tessellon_drawing_module_version()
{
    return TESSELLON_FILE_VERSION;
}

__attribute__((visibility("default"))) int tessellon_drawing_module_run(
    tessellon::cli::DrawingCommand command, const std::vector<std::string>* args,
    tessellon::cli::CliStreams* io)
{
    using tessellon::cli::DrawingCommand;
    switch (command) {
    case DrawingCommand::Make:
        return tessellon::cli::runMakeFont(*args, *io);
    case DrawingCommand::Build:
        return tessellon::cli::runBuildRecipe(*args, *io);
    }
    return tessellon::cli::exitUnusable;
}

__attribute__((visibility("default"))) tessellon::PictureCodec*
tessellon_drawing_module_picture_codec()
{
    return new ApplicationPictureCodec;
}
}

static_assert(std::is_same_v<decltype(&tessellon_drawing_module_version),
    tessellon::cli::DrawingModuleVersion>);
static_assert(
    std::is_same_v<decltype(&tessellon_drawing_module_run), tessellon::cli::DrawingModuleRun>);
static_assert(std::is_same_v<decltype(&tessellon_drawing_module_picture_codec),
    tessellon::cli::DrawingModuleCodec>);
