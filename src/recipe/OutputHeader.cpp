#include "recipe/OutputHeader.h"

#include <sstream>

namespace tessellon {

namespace {

    std::vector<std::string> headerLines(const Recipe& recipe, const RecipeOutput& output,
        const std::vector<HashedInput>& inputs, std::string_view toolVersion)
    {
        std::vector<std::string> lines {
            output.file.written + ": made by tessellon-cli " + std::string(toolVersion)
                + " from the recipe " + recipeName(recipe) + ".",
            "Edit the recipe or its inputs, not this file, and make it again with",
            "tessellon-cli build " + recipeName(recipe),
            "",
        };
        std::istringstream options(formatRecipe(recipe, &output));
        for (std::string line; std::getline(options, line);) {
            lines.push_back(line);
        }
        lines.push_back("");
        lines.push_back("Inputs (SHA-256):");
        for (const HashedInput& input : inputs) {
            lines.push_back(toHex(input.digest) + "  " + input.name);
        }
        return lines;
    }

    // "*/" in a value would end the comment: it is written "* /".
    std::string withoutCommentEnd(const std::string& line)
    {
        std::string shown;
        for (char c : line) {
            if (c == '/' && !shown.empty() && shown.back() == '*') {
                shown += ' ';
            }
            shown += c;
        }
        return shown;
    }

} // namespace

std::string outputHeader(const Recipe& recipe, const RecipeOutput& output,
    const std::vector<HashedInput>& inputs, std::string_view toolVersion)
{
    if (output.comment == OutputComment::None) {
        return {};
    }
    const bool c = output.comment == OutputComment::C;
    const char* lead = c ? " *" : "#";
    std::string text;
    for (const std::string& line : headerLines(recipe, output, inputs, toolVersion)) {
        const std::string shown = c ? withoutCommentEnd(line) : line;
        text += (text.empty() && c ? "/*" : lead) + (shown.empty() ? "" : " " + shown) + "\n";
    }
    return c ? text + " */\n" : text;
}

} // namespace tessellon
