#include "cli/DrawingModule.h"

#include "document/ProgramFolders.h"
#include "document/Result.h"

#include <ostream>

#include <dlfcn.h>

namespace tessellon::cli {

namespace {

    namespace fs = std::filesystem;

    const char* commandName(DrawingCommand command)
    {
        switch (command) {
        case DrawingCommand::Make:
            return "make";
        case DrawingCommand::Convert:
            return "convert";
        case DrawingCommand::Build:
            return "build";
        }
        return "";
    }

    template <class Function> Function entry(void* module, const char* name)
    {
        return reinterpret_cast<Function>(::dlsym(module, name));
    }

    // The module stays loaded to the end of the process: Qt is not made to be unloaded.
    Result<DrawingModuleRun> loadDrawingModule()
    {
        const fs::path path = drawingModulePath(programFolder());
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            const char* reason = ::dlerror();
            return failure("the drawing part of the program cannot be loaded: "
                + std::string(reason ? reason : path.string()));
        }
        const auto version = entry<DrawingModuleVersion>(module, drawingModuleVersionEntry);
        const auto run = entry<DrawingModuleRun>(module, drawingModuleRunEntry);
        if (!version || !run || std::string(version()) != TESSELLON_FILE_VERSION) {
            ::dlclose(module);
            return failure(path.string()
                + " is not the drawing part of tessellon-cli " TESSELLON_FILE_VERSION);
        }
        return run;
    }

} // namespace

fs::path drawingModulePath(const fs::path& programFolder)
{
    const fs::path places[] = {
        programFolder / ".." / "lib" / "tessellon" / drawingModuleName,
        programFolder / drawingModuleName,
    };
    for (const fs::path& place : places) {
        std::error_code error;
        if (fs::is_regular_file(place, error)) {
            return place.lexically_normal();
        }
    }
    return places[0].lexically_normal();
}

int runDrawingCommand(DrawingCommand command, const std::vector<std::string>& args, CliStreams io)
{
    const Result<DrawingModuleRun> run = loadDrawingModule();
    if (!run) {
        io.err << "tessellon-cli " << commandName(command) << ": " << run.message() << "\n";
        return exitUnusable;
    }
    return (*run)(command, &args, &io);
}

int runMakeCommand(const std::vector<std::string>& args, CliStreams io)
{
    return runDrawingCommand(DrawingCommand::Make, args, io);
}

int runBuildCommand(const std::vector<std::string>& args, CliStreams io)
{
    return runDrawingCommand(DrawingCommand::Build, args, io);
}

} // namespace tessellon::cli
