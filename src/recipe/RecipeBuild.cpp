#include "recipe/RecipeBuild.h"

#include "document/ByteSource.h"
#include "document/SafeFileWriter.h"
#include "recipe/OutputExport.h"
#include "recipe/OutputHeader.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace tessellon {

namespace {

    namespace fs = std::filesystem;

    std::vector<HashedInput> headerInputs(
        const Recipe& recipe, const RecipeOutput& output, const std::vector<StampedInput>& inputs)
    {
        std::vector<HashedInput> named;
        for (const RecipeInput& input : recipeInputs(recipe, output)) {
            for (const StampedInput& stamped : inputs) {
                if (!stamped.face && stamped.name == input.name) {
                    named.push_back({ input.name, stamped.digest });
                }
            }
        }
        for (const StampedInput& stamped : inputs) {
            if (stamped.face) {
                named.push_back({ fs::path(stamped.name).filename().string(), stamped.digest });
            }
        }
        return named;
    }

    // The header ends its lines as the body does (scripts write CR LF).
    std::string withLineEndsOf(const std::string& header, const std::vector<std::uint8_t>& body)
    {
        const std::string_view crlf = "\r\n";
        if (std::search(body.begin(), body.end(), crlf.begin(), crlf.end()) == body.end()) {
            return header;
        }
        std::string converted;
        for (char c : header) {
            converted += c == '\n' ? "\r\n" : std::string(1, c);
        }
        return converted;
    }

    bool fileHolds(const std::string& path, const std::vector<std::uint8_t>& bytes)
    {
        const auto held
            = readWholeFile<std::vector<std::uint8_t>>(path, bytes.size(), "this output");
        return held && *held == bytes;
    }

} // namespace

Result<std::vector<StampedInput>> stampRecipeInputs(
    const Recipe& recipe, const BuildStamp* previous)
{
    std::vector<StampedInput> stamped;
    for (const RecipeInput& input : recipeInputs(recipe)) {
        const StampedInput* recorded = previous ? previous->input(input.name) : nullptr;
        auto entry
            = stampInput(input.name, input.path, recorded && !recorded->face ? recorded : nullptr);
        if (!entry) {
            return failure(entry.message());
        }
        stamped.push_back(std::move(*entry));
    }
    return stamped;
}

Result<StampedInput> stampFaceInput(const std::string& faceFile, const BuildStamp* previous)
{
    const StampedInput* recorded = previous ? previous->input(faceFile) : nullptr;
    auto entry = stampInput(faceFile, faceFile, recorded && recorded->face ? recorded : nullptr);
    if (entry) {
        entry->face = true;
    }
    return entry;
}

Result<std::vector<MadeOutput>> makeRecipeOutputs(const Recipe& recipe, const FontLib& font,
    const std::vector<StampedInput>& inputs, std::string_view toolVersion,
    std::vector<std::string>& notes)
{
    std::vector<MadeOutput> made;
    for (const RecipeOutput& output : recipe.outputs) {
        auto body = exportRecipeOutput(font, output, notes);
        if (!body) {
            return failure(body.message());
        }
        const std::string header = withLineEndsOf(
            outputHeader(recipe, output, headerInputs(recipe, output, inputs), toolVersion), *body);
        MadeOutput result { &output, std::vector<std::uint8_t>(header.begin(), header.end()) };
        result.bytes.insert(result.bytes.end(), body->begin(), body->end());
        made.push_back(std::move(result));
    }
    return made;
}

std::vector<StaleOutput> compareRecipeOutputs(const std::vector<MadeOutput>& outputs)
{
    std::vector<StaleOutput> stale;
    for (const MadeOutput& made : outputs) {
        const RecipeFile& file = made.output->file;
        if (!fileTimesOf(file.path)) {
            stale.push_back({ file.written, file.path, "it is missing" });
        } else if (!fileHolds(file.path, made.bytes)) {
            stale.push_back({ file.written, file.path, "it differs from what the recipe makes" });
        }
    }
    return stale;
}

Status writeRecipeOutputs(const Recipe& recipe, const std::vector<MadeOutput>& outputs,
    std::vector<StampedInput> inputs, std::string_view toolVersion)
{
    BuildStamp stamp { std::string(toolVersion), std::move(inputs), {} };
    for (const MadeOutput& made : outputs) {
        const RecipeFile& file = made.output->file;
        std::error_code ignored;
        const fs::path folder = fs::path(file.path).parent_path();
        if (!folder.empty()) {
            fs::create_directories(folder, ignored);
        }
        if (const Status written = writeFileSafely(file.path, made.bytes); !written) {
            return written;
        }
        stamp.outputs.push_back({ sha256(made.bytes), file.written });
    }
    return writeStamp(stampPath(recipe), stamp);
}

} // namespace tessellon
