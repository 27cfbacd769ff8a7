#pragma once

#include "document/Result.h"
#include "recipe/Recipe.h"
#include "recipe/Sha256.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessellon {

// What the last build of a recipe read and wrote, kept in the stamp file beside its outputs
// (stampPath), so that build --check can tell whether the outputs are up to date without
// drawing a glyph: each input's size, time of last change and SHA-256, each output's
// SHA-256. An input whose size and time are those recorded is taken as unchanged; any other
// is hashed again, so a file touched without a change stays up to date. The stamp is a
// cache: a missing or damaged one only means that the outputs are made again to compare.
//
// The text, one entry a line:
//   tessellon build stamp 1
//   tool 1.4.0.1625
//   input SIZE NANOSECONDS SHA256 NAME     (NAME as the recipe writes it)
//   face SIZE NANOSECONDS SHA256 PATH      (the font file an installed family was drawn from)
//   output SHA256 NAME

struct StampedInput {
    bool face = false;
    std::uint64_t size = 0;
    // Nanoseconds since 1970; 0 when the file had changed so recently when it was hashed
    // that a later change could keep its time: then it is hashed again.
    std::int64_t modified = 0;
    Sha256Digest digest {};
    std::string name; // the path of a face

    bool operator==(const StampedInput&) const = default;
};

struct StampedOutput {
    Sha256Digest digest {};
    std::string name;

    bool operator==(const StampedOutput&) const = default;
};

struct BuildStamp {
    std::string tool;
    std::vector<StampedInput> inputs;
    std::vector<StampedOutput> outputs;

    bool operator==(const BuildStamp&) const = default;
    const StampedInput* input(const std::string& name) const;
    const StampedOutput* output(const std::string& name) const;
};

std::string formatStamp(const BuildStamp& stamp);
// Nothing for text that is not a stamp this version writes.
std::optional<BuildStamp> parseStamp(std::string_view text);

// The stamp at path; nothing when there is none or it cannot be read.
std::optional<BuildStamp> readStamp(const std::string& path);
Status writeStamp(const std::string& path, const BuildStamp& stamp);

// The file's size and time of last change (links followed); nothing when it cannot be told.
struct FileTimes {
    std::uint64_t size = 0;
    std::int64_t modified = 0;
};
std::optional<FileTimes> fileTimesOf(const std::string& path);

// The entry of the file at path as a build records it: its digest is that of recorded when
// size and time match it, else the file is hashed. Fails, naming the file, when it cannot
// be read.
Result<StampedInput> stampInput(
    const std::string& name, const std::string& path, const StampedInput* recorded);

// Which outputs of a recipe the stamp shows to be out of date, and why: an output missing or
// changed since the build, an input changed, added or missing since, or a stamp written by
// another version of the tool. Nothing is drawn; only inputs whose size or time changed and
// the outputs are hashed.
struct StaleOutput {
    std::string name; // as the recipe writes it
    std::string path; // where it is
    std::string reason;

    bool operator==(const StaleOutput&) const = default;
};
std::vector<StaleOutput> staleOutputs(
    const Recipe& recipe, const BuildStamp& stamp, std::string_view toolVersion);

} // namespace tessellon
