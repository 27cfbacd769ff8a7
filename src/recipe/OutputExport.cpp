#include "recipe/OutputExport.h"

#include "export/ExportRun.h"
#include "export/ExportSource.h"
#include "export/ScriptFile.h"

#include <algorithm>
#include <array>
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

    Result<std::vector<std::uint8_t>> runOutputScript(
        const FontLib& font, const RecipeOutput& output, std::vector<std::string>& notes)
    {
        const std::optional<std::string> scriptPath
            = output.script ? std::optional(output.script->path) : std::nullopt;
        const std::string scriptName = output.script ? output.script->written : "default";
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
        const ExportSource source = makeExportSource(output.file.path, font);
        ExportedBytes exported = runExportToMemory(csub, source, *script, maxOutputBytes);
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

} // namespace

Result<std::vector<std::uint8_t>> exportRecipeOutput(
    const FontLib& font, const RecipeOutput& output, std::vector<std::string>& notes)
{
    if (output.target == "script") {
        return runOutputScript(font, output, notes);
    }
    return failure(
        output.file.written + ": the target " + output.target + " cannot be made by this version");
}

} // namespace tessellon
