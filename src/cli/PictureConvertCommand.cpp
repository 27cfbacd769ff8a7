#include "cli/ConvertCommand.h"
#include "cli/DrawingCommands.h"
#include "cli/GuiApplicationScope.h"

#include "formats/FontImport.h"

#include <optional>

namespace tessellon::cli {

namespace {

    // The core's formats and picture sheets. Qt Gui's application object, which the picture
    // codecs need, is made when the first file is read (after the interrupt watch, which
    // must come before any other thread).
    class PictureFiles final : public FontFileAccess {
    public:
        Result<FontLib> read(
            const std::string& path, const FontFileOptions& options, ReadNotes& notes) override
        {
            startApplication();
            return importFontFile(path, options, notes);
        }

        Status write(
            const std::string& path, const FontLib& font, const FontFileOptions& options) override
        {
            startApplication();
            return exportFontFile(path, font, options);
        }

    private:
        void startApplication()
        {
            if (!m_application) {
                m_application.emplace();
            }
        }

        std::optional<GuiApplicationScope> m_application;
    };

} // namespace

int runConvertWithPictures(const std::vector<std::string>& args, CliStreams io)
{
    PictureFiles files;
    return runConvert(args, io, files);
}

} // namespace tessellon::cli
