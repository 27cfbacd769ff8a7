#pragma once

#include "creation/HintingStyle.h"
#include "formats/FontFileFormats.h"
#include "recipe/OutputTarget.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tessellon {

// A font recipe (NAME.tfont): everything that makes a font and its outputs again, the same
// bytes on every run. RecipeParser.h reads it from its text; formatRecipe writes it back.

// A file the recipe names: as written there, and where it is (written, taken in the
// recipe's folder, or for outputs in the output folder; a shipped character set in the
// program's data folder).
struct RecipeFile {
    std::string written;
    std::string path;
    int line = 0;

    bool operator==(const RecipeFile&) const = default;
};

// Where the glyphs come from: drawn from an outline font (a file, or a family installed on
// the system), or taken from a bitmap font that the program reads (.pix, .bdf, .hex).
enum class RecipeSource { OutlineFile, Family, BitmapFile };

// What a C comment at the top of an output looks like, or none for outputs that are not
// source text.
enum class OutputComment { C, Hash, None };

struct RecipeOutput {
    int line = 0; // of its [output] line
    RecipeFile file;
    std::string target;
    std::optional<RecipeFile> script; // none: the default script
    OutputComment comment = OutputComment::C;
    std::optional<int> proportionalGap;
    std::optional<std::string> name;
    std::optional<int> baseline;
    bool withDecoder = false; // the target's decoder is placed beside the file

    bool operator==(const RecipeOutput&) const = default;
};

struct Recipe {
    std::string path; // the recipe file, as given
    std::filesystem::path folder; // where its inputs are taken from
    std::filesystem::path outputFolder; // where its outputs and its stamp go

    RecipeSource source = RecipeSource::OutlineFile;
    std::optional<RecipeFile> fontFile; // OutlineFile and BitmapFile
    std::string family; // Family
    std::optional<int> pixelSize;
    std::optional<GlyphSize> cell;
    std::optional<CellOffset> offset;
    std::optional<int> baseline;
    HintingStyle hinting = HintingStyle::System;
    bool bold = false;
    bool italic = false;
    bool strict = false; // characters missing from the font are an error

    // The characters: those of each that is given, in this order, each once.
    std::optional<RecipeFile> charSet;
    std::optional<std::string> ranges;
    std::vector<RecipeFile> charsFrom;

    std::optional<RecipeFile> overlay; // hand-edited glyphs that win over drawn ones

    std::vector<RecipeOutput> outputs;
    std::vector<std::string> warnings; // "FILE:LINE: ..." for what gives nothing

    bool operator==(const Recipe&) const = default;
};

// The file name of the recipe ("ui.tfont").
std::string recipeName(const Recipe& recipe);

// The recipe as text: the font's keys, then one [output] section per output, each key
// with the value it has (defaults included), so that reading it back gives the recipe.
// With only set, that output's section alone follows the font's keys.
std::string formatRecipe(const Recipe& recipe, const RecipeOutput* only = nullptr);

// The files an output is made from, named as the recipe names them: the recipe itself,
// the font file, the character-set file, the source files, the overlay and the output's
// script.
struct RecipeInput {
    std::string name; // as written (the recipe: its file name)
    std::string path;

    bool operator==(const RecipeInput&) const = default;
};
std::vector<RecipeInput> recipeInputs(const Recipe& recipe, const RecipeOutput& output);
// Those of every output, each once.
std::vector<RecipeInput> recipeInputs(const Recipe& recipe);

// Where the stamp of the recipe's last build is kept: ".NAME.tfont.stamp" in the output
// folder.
std::string stampPath(const Recipe& recipe);

} // namespace tessellon
