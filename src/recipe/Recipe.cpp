#include "recipe/Recipe.h"

#include <algorithm>
#include <sstream>

namespace tessellon {

namespace {

    const char* yesNo(bool value) { return value ? "yes" : "no"; }

    const char* commentName(OutputComment comment)
    {
        switch (comment) {
        case OutputComment::C:
            break;
        case OutputComment::Hash:
            return "hash";
        case OutputComment::None:
            return "none";
        }
        return "c";
    }

    void writeSource(std::ostream& out, const Recipe& recipe)
    {
        if (recipe.source == RecipeSource::Family) {
            out << "family = " << recipe.family << "\n";
        } else if (recipe.fontFile) {
            out << "font = " << recipe.fontFile->written << "\n";
        }
        if (recipe.pixelSize) {
            out << "size = " << *recipe.pixelSize << "\n";
        }
        if (recipe.cell) {
            out << "cell = " << recipe.cell->width << "x" << recipe.cell->height << "\n";
        }
        if (recipe.offset) {
            out << "offset = " << recipe.offset->x << "," << recipe.offset->y << "\n";
        }
        if (recipe.baseline) {
            out << "baseline = " << *recipe.baseline << "\n";
        }
        if (recipe.source != RecipeSource::BitmapFile) {
            out << "hinting = " << hintingStyleInfo(recipe.hinting).option << "\n";
            out << "bold = " << yesNo(recipe.bold) << "\nitalic = " << yesNo(recipe.italic) << "\n";
        }
    }

    void writeCharacters(std::ostream& out, const Recipe& recipe)
    {
        if (recipe.charSet) {
            out << "charset = " << recipe.charSet->written << "\n";
        }
        if (recipe.ranges) {
            out << "ranges = " << *recipe.ranges << "\n";
        }
        for (const RecipeFile& file : recipe.charsFrom) {
            out << "chars-from = " << file.written << "\n";
        }
        if (recipe.overlay) {
            out << "overlay = " << recipe.overlay->written << "\n";
        }
        out << "strict = " << yesNo(recipe.strict) << "\n";
    }

    void writeOutput(std::ostream& out, const RecipeOutput& output)
    {
        out << "\n[output]\nfile = " << output.file.written << "\ntarget = " << output.target
            << "\n";
        const OutputTargetInfo* target = outputTargetNamed(output.target);
        if (target && takesOption(*target, OutputOption::Script)) {
            out << "script = " << (output.script ? output.script->written : "default") << "\n";
        }
        out << "comment = " << commentName(output.comment) << "\n";
        if (output.proportionalGap) {
            out << "proportional = " << *output.proportionalGap << "\n";
        }
        if (output.name) {
            out << "name = " << *output.name << "\n";
        }
        if (output.baseline) {
            out << "baseline = " << *output.baseline << "\n";
        }
        if (target && takesOption(*target, OutputOption::Decoder)) {
            out << "decoder = " << yesNo(output.withDecoder) << "\n";
        }
    }

    void addInput(
        std::vector<RecipeInput>& inputs, const std::string& name, const std::string& path)
    {
        const RecipeInput input { name, path };
        if (std::find(inputs.begin(), inputs.end(), input) == inputs.end()) {
            inputs.push_back(input);
        }
    }

    void addInput(std::vector<RecipeInput>& inputs, const std::optional<RecipeFile>& file)
    {
        if (file) {
            addInput(inputs, file->written, file->path);
        }
    }

} // namespace

std::string recipeName(const Recipe& recipe)
{
    return std::filesystem::path(recipe.path).filename().string();
}

std::string formatRecipe(const Recipe& recipe, const RecipeOutput* only)
{
    std::ostringstream out;
    writeSource(out, recipe);
    writeCharacters(out, recipe);
    if (only) {
        writeOutput(out, *only);
        return out.str();
    }
    for (const RecipeOutput& output : recipe.outputs) {
        writeOutput(out, output);
    }
    return out.str();
}

std::vector<RecipeInput> recipeInputs(const Recipe& recipe, const RecipeOutput& output)
{
    std::vector<RecipeInput> inputs;
    addInput(inputs, recipeName(recipe), recipe.path);
    addInput(inputs, recipe.fontFile);
    addInput(inputs, recipe.charSet);
    for (const RecipeFile& file : recipe.charsFrom) {
        addInput(inputs, file.written, file.path);
    }
    addInput(inputs, recipe.overlay);
    addInput(inputs, output.script);
    return inputs;
}

std::vector<RecipeInput> recipeInputs(const Recipe& recipe)
{
    std::vector<RecipeInput> inputs;
    for (const RecipeOutput& output : recipe.outputs) {
        for (const RecipeInput& input : recipeInputs(recipe, output)) {
            addInput(inputs, input.name, input.path);
        }
    }
    return inputs;
}

std::string stampPath(const Recipe& recipe)
{
    std::string name = recipeName(recipe);
    name.insert(name.begin(), '.');
    name += ".stamp";
    return (recipe.outputFolder / name).string();
}

} // namespace tessellon
