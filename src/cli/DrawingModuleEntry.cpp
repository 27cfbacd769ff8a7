#include "cli/DrawingCommands.h"
#include "cli/DrawingModule.h"

#include <type_traits>

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
    case DrawingCommand::Convert:
        return tessellon::cli::runConvertWithPictures(*args, *io);
    case DrawingCommand::Build:
        return tessellon::cli::runBuildRecipe(*args, *io);
    }
    return tessellon::cli::exitUnusable;
}
}

static_assert(std::is_same_v<decltype(&tessellon_drawing_module_version),
    tessellon::cli::DrawingModuleVersion>);
static_assert(
    std::is_same_v<decltype(&tessellon_drawing_module_run), tessellon::cli::DrawingModuleRun>);
