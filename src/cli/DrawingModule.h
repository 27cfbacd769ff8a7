#pragma once

#include "cli/CliCommand.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tessellon::cli {

// The commands that draw with Qt Gui (make, build, and convert with a picture sheet in or out) live
// in a module of their own, which tessellon-cli loads only when one of them runs, so that
// the other commands start without Qt's libraries. The module lies in lib/tessellon/ beside
// the bin/ folder of the program, in the build folder as installed, or else beside the
// program itself; nothing else (no working folder, no environment) decides where.
enum class DrawingCommand {
    Make,
    Convert,
    Build,
};

inline constexpr const char* drawingModuleName = "tessellon-cli-drawing.so";

// The module's entry points (DrawingModuleEntry.cpp), by their C names: its version, which
// must be the program's, and the run of a command.
inline constexpr const char* drawingModuleVersionEntry = "tessellon_drawing_module_version";
inline constexpr const char* drawingModuleRunEntry = "tessellon_drawing_module_run";
using DrawingModuleVersion = const char* (*)();
using DrawingModuleRun
    = int (*)(DrawingCommand command, const std::vector<std::string>* args, CliStreams* io);

// The module of a program in programFolder: the first of its places that exists, else the
// first place.
std::filesystem::path drawingModulePath(const std::filesystem::path& programFolder);

// Runs command in the module, loading it first. A module that is missing, cannot be loaded
// (nor the Qt libraries it needs) or belongs to another version of the program gives a
// message that says so and exitUnusable.
int runDrawingCommand(DrawingCommand command, const std::vector<std::string>& args, CliStreams io);

} // namespace tessellon::cli
