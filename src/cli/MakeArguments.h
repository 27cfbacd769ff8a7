#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessellon::cli {

// What `tessellon-cli make` is asked to do.
struct MakeArguments {
    std::string output;
    int width = 0;
    int height = 0;
    int offsetX = 0;
    int offsetY = 0;
    std::string font; // a family name or the path of a font file
    int pixelSize = 0; // the character height in pixels
    bool bold = false;
    bool italic = false;
    std::optional<std::string> charSetFile;
    std::optional<std::string> ranges;
    bool timings = false;
};

inline constexpr int maxPixelSize = 1024;

// Reads the arguments after "make". False with error set when they cannot be used; the
// glyph size is checked against what font pixel files can hold.
bool parseMakeArguments(
    const std::vector<std::string>& args, MakeArguments& parsed, std::string& error);

// The codes of a list such as "30-39,41-5A": hexadecimal FROM-TO pairs of one to four
// digits, each giving FROM to TO when TO is greater than FROM (as a row of the range grid
// does). False with error set for a malformed list; warnings name ranges that give nothing.
bool parseRangeList(const std::string& list, std::vector<std::uint16_t>& codes, std::string& error,
    std::vector<std::string>& warnings);

} // namespace tessellon::cli
