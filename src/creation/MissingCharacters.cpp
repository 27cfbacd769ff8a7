#include "creation/MissingCharacters.h"

#include "document/Utf8.h"

namespace tessellon {

std::string codeListText(std::span<const char32_t> codes)
{
    std::string text;
    for (std::size_t i = 0; i < codes.size() && i < missingCharactersShown; ++i) {
        if (i > 0) {
            text += ' ';
        }
        text += codePointName(codes[i]);
    }
    return codes.size() > missingCharactersShown ? text + " ..." : text;
}

std::string missingCountText(const MissingCharacters& missing)
{
    const std::size_t count = missing.codes.size();
    return std::to_string(count) + (count == 1 ? " character" : " characters") + " not in "
        + missing.fontName;
}

std::string missingCharactersText(const MissingCharacters& missing)
{
    return missingCountText(missing) + ": " + codeListText(missing.codes);
}

} // namespace tessellon
