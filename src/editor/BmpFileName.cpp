#include "editor/BmpFileName.h"

namespace tessellon {

std::string withBmpExtension(const std::string& chosenName)
{
    const std::size_t nameStart = chosenName.find_last_of('/') + 1;
    const std::size_t dot = chosenName.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && dot >= nameStart;
    return (hasExtension ? chosenName.substr(0, dot) : chosenName) + ".bmp";
}

} // namespace tessellon
