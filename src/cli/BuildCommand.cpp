#include "cli/CliCommand.h"
#include "cli/DrawingCommands.h"
#include "cli/GuiApplicationScope.h"
#include "cli/InterruptWatch.h"
#include "cli/MakeCommand.h"

#include "document/ProgramFolders.h"
#include "export/TargetExport.h"
#include "recipe/OutputExport.h"
#include "recipe/RecipeBuild.h"
#include "recipe/RecipeFont.h"
#include "recipe/RecipeFontMaking.h"
#include "recipe/RecipeParser.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace tessellon::cli {

namespace {

    constexpr int exitStale = 1;

    constexpr const char* usage = "Usage: tessellon-cli build RECIPE.tfont [--check | --list] "
                                  "[--output-dir DIR] [--strict]\n";

    struct BuildArguments {
        std::string recipe;
        bool check = false;
        bool list = false;
        bool strict = false;
        std::string outputFolder;
    };

    Result<BuildArguments> parseArguments(const std::vector<std::string>& args)
    {
        BuildArguments parsed;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if (arg == "--check" || arg == "--list") {
                (arg == "--check" ? parsed.check : parsed.list) = true;
            } else if (arg == "--strict") {
                parsed.strict = true;
            } else if (arg == "--output-dir" && i + 1 < args.size() && !args[i + 1].empty()) {
                parsed.outputFolder = args[++i];
            } else if (parsed.recipe.empty() && !arg.empty() && arg[0] != '-') {
                parsed.recipe = arg;
            } else {
                return failure(arg == "--output-dir" ? "--output-dir needs a folder"
                                                     : "unexpected argument '" + arg + "'");
            }
        }
        if (parsed.recipe.empty()) {
            return failure("RECIPE.tfont is missing");
        }
        if (parsed.check && parsed.list) {
            return failure("give either --check or --list");
        }
        return parsed;
    }

    void warn(CliStreams io, const std::string& message)
    {
        io.err << "tessellon-cli build: warning: " << message << "\n";
    }

    // The recipe's font, made as the editor's Open Recipe makes it, its glyphs drawn here.
    Result<RecipeFontMade> fontOf(
        const Recipe& recipe, bool strict, CreateFontRun& run, CliStreams io)
    {
        std::optional<GuiApplicationScope> application;
        if (recipe.source != RecipeSource::BitmapFile) {
            application.emplace();
        }
        std::vector<std::string> warnings;
        auto made
            = makeRecipeFont(recipe, strict, commandLineDrawer(std::nullopt, run, io), warnings);
        for (const std::string& warning : warnings) {
            warn(io, warning);
        }
        return made;
    }

    struct Built {
        std::vector<MadeOutput> outputs;
        std::vector<StampedInput> inputs;
    };

    Result<Built> makeOutputs(const Recipe& recipe, bool strict, CreateFontRun& run, CliStreams io)
    {
        const auto previous = readStamp(stampPath(recipe));
        const BuildStamp* recorded = previous ? &*previous : nullptr;
        auto inputs = stampRecipeInputs(recipe, recorded);
        if (!inputs) {
            return failure(inputs.message());
        }
        const auto made = fontOf(recipe, strict, run, io);
        if (!made) {
            return failure(made.message());
        }
        if (made->face) {
            auto face = stampFaceInput(*made->face, recorded);
            if (!face) {
                return failure(face.message());
            }
            inputs->push_back(std::move(*face));
        }
        std::vector<std::string> notes;
        auto outputs
            = makeRecipeOutputs(recipe, made->font, *inputs, TESSELLON_FILE_VERSION, notes);
        for (const std::string& note : notes) {
            warn(io, note);
        }
        if (!outputs) {
            return failure(outputs.message());
        }
        return Built { std::move(*outputs), std::move(*inputs) };
    }

    int reportStale(const Recipe& recipe, const std::vector<StaleOutput>& stale, CliStreams io)
    {
        for (const StaleOutput& output : stale) {
            io.out << output.path << " is out of date: " << output.reason << "\n";
        }
        if (stale.empty()) {
            io.out << recipe.path << ": " << recipe.outputs.size()
                   << (recipe.outputs.size() == 1 ? " output" : " outputs") << " up to date\n";
        }
        return stale.empty() ? exitOk : exitStale;
    }

    // Up to date by the stamp, without drawing; without a stamp, by making the outputs in
    // memory and comparing.
    Status check(const Recipe& recipe, bool strict, CreateFontRun& run, CliStreams io, int& status)
    {
        if (const auto stamp = readStamp(stampPath(recipe))) {
            status = reportStale(recipe, staleOutputs(recipe, *stamp, TESSELLON_FILE_VERSION), io);
            return {};
        }
        io.err << "tessellon-cli build: no stamp of an earlier build (" << stampPath(recipe)
               << "); making the outputs to compare\n";
        const auto built = makeOutputs(recipe, strict, run, io);
        if (!built) {
            return failure(built.message());
        }
        status = reportStale(recipe, compareRecipeOutputs(built->outputs), io);
        return {};
    }

    std::string absoluteNormal(const std::string& path)
    {
        std::error_code error;
        return std::filesystem::absolute(path, error).lexically_normal().string();
    }

    Status list(const Recipe& recipe, CliStreams io)
    {
        for (const RecipeInput& input : recipeInputs(recipe)) {
            io.out << "input " << absoluteNormal(input.path) << "\n";
        }
        if (recipe.source == RecipeSource::Family) {
            const auto face = fontFaceOf(faceFontRequestOf(recipe, {}, false));
            if (!face) {
                return failure(face.message());
            }
            io.out << "input " << absoluteNormal(face->path) << "\n";
        }
        for (const RecipeOutput& output : recipe.outputs) {
            io.out << "output " << absoluteNormal(output.file.path) << "\n";
        }
        return {};
    }

    // The files the outputs' targets need beside them, there to be placed before anything is
    // made.
    Status checkShippedFilesOf(const Recipe& recipe)
    {
        for (const RecipeOutput& output : recipe.outputs) {
            if (const Status there = checkShippedFiles(shippedFilesOf(output)); !there) {
                return there;
            }
        }
        return {};
    }

    Status placeShippedFiles(const Recipe& recipe, CliStreams io)
    {
        for (const RecipeOutput& output : recipe.outputs) {
            for (const std::filesystem::path& file : shippedFilesOf(output)) {
                const auto placed = placeShippedFileBeside(output.file.path, file);
                if (!placed) {
                    return failure(placed.message());
                }
                io.out << *placed << "\n";
            }
        }
        return {};
    }

    Status build(const Recipe& recipe, bool strict, CreateFontRun& run, CliStreams io)
    {
        if (const Status shipped = checkShippedFilesOf(recipe); !shipped) {
            return shipped;
        }
        auto built = makeOutputs(recipe, strict, run, io);
        if (!built) {
            return failure(built.message());
        }
        if (run.stopRequested()) {
            return failure("interrupted; nothing was written");
        }
        const Status written = writeRecipeOutputs(
            recipe, built->outputs, std::move(built->inputs), TESSELLON_FILE_VERSION);
        if (!written) {
            return written;
        }
        for (const MadeOutput& made : built->outputs) {
            io.out << made.output->file.path << ": " << made.bytes.size() << " bytes\n";
        }
        return placeShippedFiles(recipe, io);
    }

    Status runBuild(const BuildArguments& arguments, CreateFontRun& run, CliStreams io, int& status)
    {
        const auto recipe
            = readRecipeFile(arguments.recipe, { programFolders().data, arguments.outputFolder });
        if (!recipe) {
            return failure(recipe.message());
        }
        for (const std::string& warning : recipe->warnings) {
            warn(io, warning);
        }
        const bool strict = arguments.strict || recipe->strict;
        if (arguments.list) {
            return list(*recipe, io);
        }
        if (arguments.check) {
            return check(*recipe, strict, run, io, status);
        }
        return build(*recipe, strict, run, io);
    }

} // namespace

int runBuildRecipe(const std::vector<std::string>& args, CliStreams io)
{
    const auto arguments = parseArguments(args);
    if (!arguments) {
        io.err << "tessellon-cli build: " << arguments.message() << "\n" << usage;
        return exitUnusable;
    }
    CreateFontRun run;
    Status done;
    int status = exitOk;
    int signal = 0;
    {
        InterruptWatch watch([&run] { run.requestStop(); });
        done = runBuild(*arguments, run, io, status);
        signal = watch.signalNumber();
    }
    if (!done) {
        io.err << "tessellon-cli build: " << done.message() << "\n";
    }
    if (signal != 0) {
        io.out << std::flush;
        io.err << std::flush;
        return endBySignal(signal);
    }
    return done ? status : exitUnusable;
}

} // namespace tessellon::cli
