#pragma once

#include <string>
#include <vector>

namespace tessellon {

// The short reference on the export dialog's Help page: the macro and the built-ins.
const std::vector<std::string>& exportHelpText();

} // namespace tessellon
