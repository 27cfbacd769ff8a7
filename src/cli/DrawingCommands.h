#pragma once

#include "cli/CliCommand.h"

#include <string>
#include <vector>

namespace tessellon::cli {

// The commands that draw with Qt Gui, run inside the drawing module (DrawingModule.h).

// tessellon-cli make.
int runMakeFont(const std::vector<std::string>& args, CliStreams io);

// tessellon-cli build: a recipe's fonts are drawn as make draws them.
int runBuildRecipe(const std::vector<std::string>& args, CliStreams io);

} // namespace tessellon::cli
