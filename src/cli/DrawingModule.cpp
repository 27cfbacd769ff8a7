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
    Result<void*> loadDrawingModule()
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
        const auto codec = entry<DrawingModuleCodec>(module, drawingModuleCodecEntry);
        if (!version || !run || !codec || std::string(version()) != TESSELLON_FILE_VERSION) {
            ::dlclose(module);
            return failure(path.string()
                + " is not the drawing part of tessellon-cli " TESSELLON_FILE_VERSION);
        }
        return module;
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
    const Result<void*> module = loadDrawingModule();
    if (!module) {
        io.err << "tessellon-cli " << commandName(command) << ": " << module.message() << "\n";
        return exitUnusable;
    }
    return entry<DrawingModuleRun>(*module, drawingModuleRunEntry)(command, &args, &io);
}

Result<std::unique_ptr<PictureCodec>> loadPictureCodec()
{
    const Result<void*> module = loadDrawingModule();
    if (!module) {
        return failure(module.message());
    }
    return std::unique_ptr<PictureCodec>(
        entry<DrawingModuleCodec>(*module, drawingModuleCodecEntry)());
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
