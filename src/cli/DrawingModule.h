#pragma once

#include "cli/CliCommand.h"
#include "document/Result.h"
#include "formats/PictureCodec.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tessellon::cli {

// The commands that draw with Qt Gui (make, build) and the picture codec that picture sheets
// are read and written through live in a module of their own, which tessellon-cli loads only
// when one of them is needed, so that the other commands start without Qt's libraries. The module
// lies in lib/tessellon/ beside the bin/ folder of the program, in the build folder as installed,
// or else beside the program itself; nothing else (no working folder, no environment) decides
// where.
enum class DrawingCommand {
    Make,
    Build,
};

inline constexpr const char* drawingModuleName = "tessellon-cli-drawing.so";

// The module's entry points (DrawingModuleEntry.cpp), by their C names: its version, which
// must be the program's, the run of a command, and a new picture codec, which the caller
// deletes.
inline constexpr const char* drawingModuleVersionEntry = "tessellon_drawing_module_version";
inline constexpr const char* drawingModuleRunEntry = "tessellon_drawing_module_run";
inline constexpr const char* drawingModuleCodecEntry = "tessellon_drawing_module_picture_codec";
using DrawingModuleVersion = const char* (*)();
using DrawingModuleRun
    = int (*)(DrawingCommand command, const std::vector<std::string>* args, CliStreams* io);
using DrawingModuleCodec = PictureCodec* (*)();

// The module of a program in programFolder: the first of its places that exists, else the
// first place.
std::filesystem::path drawingModulePath(const std::filesystem::path& programFolder);

// Runs command in the module, loading it first. A module that is missing, cannot be loaded
// (nor the Qt libraries it needs) or belongs to another version of the program gives a
// message that says so and exitUnusable.
int runDrawingCommand(DrawingCommand command, const std::vector<std::string>& args, CliStreams io);

// The module's picture codec, loading the module first; it makes Qt Gui's application object
// (after the interrupt watch, which must come before any other thread) and removes it at its
// end. A module that cannot be loaded gives the message runDrawingCommand gives.
Result<std::unique_ptr<PictureCodec>> loadPictureCodec();

} // namespace tessellon::cli
