#include "document/PixFileName.h"

#include <filesystem>

namespace tessellon {

namespace {

    // The part of the file's own name from its last dot on, dot included; empty without one.
    std::string extensionOf(const std::string& name)
    {
        const auto separator = name.find_last_of(std::filesystem::path::preferred_separator);
        const auto nameStart = separator == std::string::npos ? 0 : separator + 1;
        const auto dot = name.find_last_of('.');
        return dot == std::string::npos || dot < nameStart ? std::string() : name.substr(dot);
    }

} // namespace

std::string withPixExtension(const std::string& chosenName)
{
    return extensionOf(chosenName) == ".pix" ? chosenName : chosenName + ".pix";
}

bool isUntitledName(const std::string& fileName) { return fileName.rfind("NONAME", 0) == 0; }

} // namespace tessellon
