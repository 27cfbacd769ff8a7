#pragma once

#include "document/Result.h"

#include <string>
#include <vector>

namespace tessellon {

// What the editor is asked for on its command line: tessellon [OPTION] [FILE...]
enum class ProgramRequest { Edit, Help, Version };

struct ProgramArguments {
    ProgramRequest request = ProgramRequest::Edit;
    std::vector<std::string> files; // the font files to open, in the order given
};

// Reads the arguments after the program's name, the toolkit's own options already taken
// out. "-h"/"--help" and "-v"/"--version" win over everything else; "--" ends the options,
// so that a file name may start with "-"; any other option is refused.
Result<ProgramArguments> parseProgramArguments(const std::vector<std::string>& arguments);

std::string programHelpText();
std::string programVersionText(const std::string& version);

} // namespace tessellon
