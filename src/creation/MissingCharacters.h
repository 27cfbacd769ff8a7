#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace tessellon {

// The characters asked of a font that it does not have: drawn from another font or not at
// all, or left blank.
struct MissingCharacters {
    std::string fontName; // "DejaVu Sans", "old.bdf"
    std::vector<char32_t> codes; // in the order they were asked

    bool empty() const { return codes.empty(); }
};

inline constexpr std::size_t missingCharactersShown = 8;

// "U+4E2D U+6587 ...": the first codes, then "..." when there are more.
std::string codeListText(std::span<const char32_t> codes);

// "12 characters not in DejaVu Sans: U+4E2D U+6587 ...": the first ones, then "..." when
// there are more.
std::string missingCharactersText(const MissingCharacters& missing);

// "12 characters not in DejaVu Sans": the count alone.
std::string missingCountText(const MissingCharacters& missing);

} // namespace tessellon
