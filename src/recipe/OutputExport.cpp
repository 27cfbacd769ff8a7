#include "recipe/OutputExport.h"

#include "document/ProgramFolders.h"
#include "export/ExportRun.h"
#include "export/ExportSource.h"
#include "export/ExportTarget.h"
#include "export/ScriptFile.h"
#include "export/TargetExport.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>

namespace tessellon {

namespace {

    // The lines every run reports; the others say something about this run.
    bool isRoutineLine(const std::string& line)
    {
        static constexpr std::array<std::string_view, 4> routine { "Compiling...", "No error",
            "Run...", "OK" };
        return std::find(routine.begin(), routine.end(), line) != routine.end();
    }

    std::string endingOf(ExecuteResult executed)
    {
        switch (executed) {
        case ExecuteResult::Ran:
            break;
        case ExecuteResult::CompileError:
            return "does not compile";
        case ExecuteResult::StackFull:
            return "ran out of stack";
        case ExecuteResult::Stopped:
            return "was stopped";
        case ExecuteResult::OutputFailed:
            return "wrote more than " + std::to_string(maxOutputBytes >> 20) + " MB";
        }
        return "ran";
    }

    using ScriptRun = std::function<ExportedBytes(Csub&, const std::string& script)>;

    // Runs the script at scriptPath (none: the default script) through run, its messages
    // kept for the refusal or the notes.
    Result<std::vector<std::uint8_t>> runOutputScript(const RecipeOutput& output,
        const std::optional<std::string>& scriptPath, const std::string& scriptName,
        const ScriptRun& run, std::vector<std::string>& notes)
    {
        const auto script = scriptTextOf(scriptPath);
        if (!script) {
            return failure(script.message());
        }
        std::vector<std::string> messages;
        Csub csub([&messages](const std::string& line) {
            if (!isRoutineLine(line)) {
                messages.push_back(line);
            }
        });
        ExportedBytes exported = run(csub, *script);
        if (exported.executed != ExecuteResult::Ran) {
            std::string why = output.file.path + ": the script " + scriptName + " "
                + endingOf(exported.executed);
            for (const std::string& message : messages) {
                why += "\n  " + message;
            }
            return failure(why);
        }
        for (const std::string& message : messages) {
            notes.push_back(output.file.path + ": the script " + scriptName + ": " + message);
        }
        return std::move(exported.bytes);
    }

    Result<std::vector<std::uint8_t>> exportWithScript(
        const FontLib& font, const RecipeOutput& output, std::vector<std::string>& notes)
    {
        const std::optional<std::string> scriptPath
            = output.script ? std::optional(output.script->path) : std::nullopt;
        const std::string scriptName = output.script ? output.script->written : "default";
        const ExportSource source = makeExportSource(output.file.path, font);
        return runOutputScript(
            output, scriptPath, scriptName,
            [&source](Csub& csub, const std::string& script) {
                return runExportToMemory(csub, source, script, maxOutputBytes);
            },
            notes);
    }

    ExportChoices choicesOf(const RecipeOutput& output)
    {
        ExportChoices choices;
        if (output.proportionalGap) {
            choices.advance.proportional = true;
            choices.advance.gap = *output.proportionalGap;
        }
        choices.baseline = output.baseline;
        choices.name = output.name.value_or("");
        return choices;
    }

    // As export --target does: the font made ready for the target, then the target's
    // shipped script (or the output's) run with the target's built-ins.
    Result<std::vector<std::uint8_t>> exportToTarget(const FontLib& font,
        const RecipeOutput& output, const ExportTarget& target, std::vector<std::string>& notes)
    {
        const Result<TargetFont> prepared
            = prepareTargetFont(font, target, choicesOf(output), output.file.path);
        if (!prepared) {
            return failure(
                output.file.written + ": " + std::string(target.name) + ": " + prepared.message());
        }
        for (const std::string& note : targetNotes(*prepared)) {
            notes.push_back(output.file.written + ": " + note);
        }
        const std::string scriptPath = output.script
            ? output.script->path
            : targetScriptPath(target, programFolders().data).string();
        const std::string scriptName
            = output.script ? output.script->written : std::string(target.scriptFile);
        return runOutputScript(
            output, scriptPath, scriptName,
            [&prepared, &output](Csub& csub, const std::string& script) {
                return runTargetScriptToMemory(
                    csub, *prepared, script, output.file.path, maxOutputBytes);
            },
            notes);
    }

} // namespace

Result<std::vector<std::uint8_t>> exportRecipeOutput(
    const FontLib& font, const RecipeOutput& output, std::vector<std::string>& notes)
{
    if (output.target == defaultOutputTargetName) {
        return exportWithScript(font, output, notes);
    }
    if (const ExportTarget* target = exportTargetNamed(output.target)) {
        return exportToTarget(font, output, *target, notes);
    }
    return failure(
        output.file.written + ": the target " + output.target + " cannot be made by this version");
}

std::vector<std::filesystem::path> shippedFilesOf(const RecipeOutput& output)
{
    const ExportTarget* target = exportTargetNamed(output.target);
    return target ? shippedFilesToPlace(*target, programFolders().data, output.withDecoder)
                  : std::vector<std::filesystem::path> {};
}

} // namespace tessellon
