#include "recipe/RecipeBuild.h"

#include "document/ByteSource.h"
#include "document/SafeFileWriter.h"
#include "recipe/OutputExport.h"
#include "recipe/OutputHeader.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <thread>

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

    // Runs work(i) for every i below count on as many threads as there are cores, this one
    // among them, and returns when every call has returned.
    void forEachOnCores(std::size_t count, const std::function<void(std::size_t)>& work)
    {
        const std::size_t threads
            = std::min<std::size_t>(count, std::max(1u, std::thread::hardware_concurrency()));
        const auto everyFrom = [&](std::size_t first) {
            for (std::size_t i = first; i < count; i += threads) {
                work(i);
            }
        };
        std::vector<std::jthread> others;
        for (std::size_t first = 1; first < threads; ++first) {
            others.emplace_back(everyFrom, first);
        }
        everyFrom(0);
    }

    // One output's bytes, its header and its export, and their digest.
    Result<MadeOutput> makeOutput(const Recipe& recipe, const RecipeOutput& output,
        const FontLib& font, const std::vector<StampedInput>& inputs, std::string_view toolVersion,
        std::vector<std::string>& notes)
    {
        auto body = exportRecipeOutput(font, output, notes);
        if (!body) {
            return failure(body.message());
        }
        const std::string header = withLineEndsOf(
            outputHeader(recipe, output, headerInputs(recipe, output, inputs), toolVersion), *body);
        MadeOutput made { &output, std::vector<std::uint8_t>(header.begin(), header.end()), {} };
        made.bytes.insert(made.bytes.end(), body->begin(), body->end());
        made.digest = sha256(made.bytes);
        return made;
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
    const std::size_t count = recipe.outputs.size();
    std::vector<std::optional<Result<MadeOutput>>> results(count);
    std::vector<std::vector<std::string>> notesOf(count);
    forEachOnCores(count, [&](std::size_t i) {
        results[i] = makeOutput(recipe, recipe.outputs[i], font, inputs, toolVersion, notesOf[i]);
    });
    std::vector<MadeOutput> made;
    for (std::size_t i = 0; i < count; ++i) {
        notes.insert(notes.end(), notesOf[i].begin(), notesOf[i].end());
        if (!*results[i]) {
            return failure(results[i]->message());
        }
        made.push_back(std::move(**results[i]));
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
    // A folder where an output goes is the one fault found before anything is written.
    for (const MadeOutput& made : outputs) {
        std::error_code ignored;
        if (fs::is_directory(made.output->file.path, ignored)) {
            return failure("Cannot create file " + made.output->file.path + ": it is a folder");
        }
    }
    for (const MadeOutput& made : outputs) {
        std::error_code ignored;
        const fs::path folder = fs::path(made.output->file.path).parent_path();
        if (!folder.empty()) {
            fs::create_directories(folder, ignored);
        }
    }
    std::vector<std::optional<Status>> written(outputs.size());
    forEachOnCores(outputs.size(), [&](std::size_t i) {
        written[i] = writeFileSafely(outputs[i].output->file.path, outputs[i].bytes);
    });
    BuildStamp stamp { std::string(toolVersion), std::move(inputs), {} };
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (!*written[i]) {
            return *written[i];
        }
        stamp.outputs.push_back({ outputs[i].digest, outputs[i].output->file.written });
    }
    return writeStamp(stampPath(recipe), stamp);
}

} // namespace tessellon
