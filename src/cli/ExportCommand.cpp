#include "cli/CliCommand.h"
#include "cli/CommandFontFiles.h"
#include "cli/ExportArguments.h"
#include "cli/InterruptWatch.h"
#include "document/OptionValues.h"

#include "document/ProgramFolders.h"
#include "export/DefaultScript.h"
#include "export/ExportRun.h"
#include "export/OutputFile.h"
#include "export/ScriptFile.h"
#include "export/ScriptText.h"
#include "export/TargetExport.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>

namespace tessellon::cli {

namespace {

    constexpr int exitNotCompiled = 1;
    constexpr int exitStopped = 3;

    constexpr const char* usage
        = "Usage: tessellon-cli export FONT.pix -o OUT [-s SCRIPT.spt] [--max-seconds N]\n"
          "           [--target gfx|u8g2|lvgl|pages|rows|tessellon|compact\n"
          "            [--proportional [GAP]] [--space N] [--baseline N] [--name IDENT]\n"
          "            [--bit0 top|bottom] [--order pages|columns] [--first-bit msb|lsb]\n"
          "            [--inverted] [--with-decoder]]\n";

    // The script as the export dialog's editor would hand it over.
    Result<std::string> scriptText(const ExportArguments& arguments)
    {
        if (!arguments.scriptPath) {
            return joinScriptLines(defaultScript());
        }
        const Result<std::vector<std::string>> read = readScriptFile(*arguments.scriptPath);
        if (!read) {
            return failure(read.message());
        }
        return joinScriptLines(*read);
    }

    // Creating the output empties it: it must be neither the font nor the script.
    Status checkOutputSparesInputs(const ExportArguments& arguments)
    {
        const Status apartFromFont = checkOutputIsNot(arguments.outputPath, arguments.fontPath);
        if (!apartFromFont || !arguments.scriptPath) {
            return apartFromFont;
        }
        return checkOutputIsNot(arguments.outputPath, *arguments.scriptPath);
    }

    // The target's shipped script, or the script given in its place.
    Result<std::string> targetScriptText(
        const ExportArguments& arguments, const ExportTarget& target)
    {
        if (arguments.scriptPath) {
            return scriptText(arguments);
        }
        const std::string path = targetScriptPath(target, programFolders().data).string();
        const Result<std::vector<std::string>> read = readScriptFile(path);
        if (!read) {
            return failure(read.message());
        }
        return joinScriptLines(*read);
    }

    Result<const ExportTarget*> targetOf(const std::string& name)
    {
        const ExportTarget* target = exportTargetNamed(name);
        if (!target) {
            return failure(
                "unknown target " + quoted(name) + "; the targets are " + exportTargetNames());
        }
        return target;
    }

    std::function<bool()> deadlineCheck(double seconds)
    {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point deadline = Clock::now()
            + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
        return [deadline] { return Clock::now() >= deadline; };
    }

    int exitStatusOf(const Result<ExecuteResult>& result, std::ostream& err)
    {
        if (!result) {
            err << "tessellon-cli export: " << result.message() << "\n";
            return exitUnusable;
        }
        switch (*result) {
        case ExecuteResult::Ran:
        case ExecuteResult::StackFull:
            return exitOk;
        case ExecuteResult::CompileError:
            return exitNotCompiled;
        case ExecuteResult::Stopped:
            return exitStopped;
        case ExecuteResult::OutputFailed:
            break;
        }
        return exitUnusable;
    }

    // An export's run and what a signal finds of it: an interruption stops the script as
    // --max-seconds does; outputUnfinished says whether the output was created or emptied
    // and not written to its end.
    struct RunState {
        const std::atomic<bool>& interrupted;
        bool outputUnfinished = false;
    };

    // What both runs check before the output is created: the script could be read, and the
    // output is neither the font nor the script.
    Status readyToRun(const ExportArguments& arguments, const Result<std::string>& script)
    {
        if (!script) {
            return failure(script.message());
        }
        return checkOutputSparesInputs(arguments);
    }

    void limitRun(Csub& csub, const ExportArguments& arguments, const RunState& state)
    {
        std::function<bool()> deadlinePassed;
        if (arguments.maxSeconds) {
            deadlinePassed = deadlineCheck(*arguments.maxSeconds);
        }
        csub.setStopCheck([&interrupted = state.interrupted, deadlinePassed] {
            return interrupted.load() || (deadlinePassed && deadlinePassed());
        });
    }

    // Runs a script into the output (run creates it) unless an interruption came first.
    Result<ExecuteResult> runWatched(
        RunState& state, const std::function<Result<ExecuteResult>()>& run)
    {
        if (state.interrupted.load()) {
            return ExecuteResult::Stopped;
        }
        state.outputUnfinished = true;
        Result<ExecuteResult> result = run();
        state.outputUnfinished = !result || *result == ExecuteResult::Stopped;
        return result;
    }

    // The rest of an export to a target, once the font is read and made ready: nothing has
    // been written before it.
    int exportToTarget(
        const ExportArguments& arguments, const TargetFont& font, RunState& state, CliStreams io)
    {
        const ExportTarget& target = *font.target;
        const Result<std::string> script = targetScriptText(arguments, target);
        const std::vector<std::filesystem::path> shipped
            = shippedFilesToPlace(target, programFolders().data, arguments.withDecoder);
        Status ready = readyToRun(arguments, script);
        if (ready) {
            ready = checkShippedFiles(shipped);
        }
        if (!ready) {
            io.err << "tessellon-cli export: " << ready.message() << "\n";
            return exitUnusable;
        }
        Csub csub([&io](const std::string& line) { io.out << line << '\n'; });
        limitRun(csub, arguments, state);
        const Result<ExecuteResult> result = runWatched(
            state, [&] { return runTargetScript(csub, font, *script, arguments.outputPath); });
        const int status = exitStatusOf(result, io.err);
        if (status != exitOk || !result || *result != ExecuteResult::Ran) {
            return status;
        }
        const Result<std::vector<std::string>> finished
            = finishTargetExport(font, arguments.outputPath, shipped);
        if (!finished) {
            io.err << "tessellon-cli export: " << finished.message() << "\n";
            return exitUnusable;
        }
        for (const std::string& line : *finished) {
            io.out << line << "\n";
        }
        return exitOk;
    }

    int exportWithScript(
        const ExportArguments& arguments, const FontLib& font, RunState& state, CliStreams io)
    {
        const Result<std::string> script = scriptText(arguments);
        if (const Status ready = readyToRun(arguments, script); !ready) {
            io.err << "tessellon-cli export: " << ready.message() << "\n";
            return exitUnusable;
        }
        const ExportSource source = makeExportSource(arguments.outputPath, font);
        Csub csub([&io](const std::string& line) { io.out << line << '\n'; });
        limitRun(csub, arguments, state);
        const Result<ExecuteResult> result
            = runWatched(state, [&] { return runExportScript(csub, source, *script); });
        io.out.flush();
        return exitStatusOf(result, io.err);
    }

    // What an export interrupted by a signal leaves: the half-written output goes (the
    // file behind it when it is reached through links), a device such as /dev/null stays.
    void removeHalfWrittenOutput(const std::string& path, std::ostream& err)
    {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::path file = fs::canonical(path, error);
        if (error || !fs::is_regular_file(file, error) || !fs::remove(file, error)) {
            return;
        }
        err << "tessellon-cli export: interrupted; the half-written " << path << " was removed\n";
    }

    // The export once its arguments are known: with the default or a given script, or to
    // a target.
    int exportFont(const ExportArguments& arguments, RunState& state, CliStreams io)
    {
        const Result<const ExportTarget*> target
            = arguments.target ? targetOf(*arguments.target) : Result<const ExportTarget*>(nullptr);
        if (!target) {
            io.err << "tessellon-cli export: " << target.message() << "\n";
            return exitUnusable;
        }
        CommandFontFiles files;
        ReadNotes notes;
        const Result<FontLib> font = files.readFont(arguments.fontPath, notes);
        if (!font.ok()) {
            io.err << "tessellon-cli export: " << aboutFile(arguments.fontPath, font.message())
                   << "\n";
            return exitUnusable;
        }
        for (const std::string& note : notes) {
            io.err << "tessellon-cli export: " << note << "\n";
        }
        if (!*target) {
            return exportWithScript(arguments, *font, state, io);
        }
        const Result<TargetFont> prepared
            = prepareTargetFont(*font, **target, arguments.choices, arguments.outputPath);
        if (!prepared) {
            io.err << "tessellon-cli export: " << (*target)->name << ": " << prepared.message()
                   << "\n";
            return exitUnusable;
        }
        for (const std::string& note : targetNotes(*prepared)) {
            io.err << "tessellon-cli export: " << note << "\n";
        }
        const int status = exportToTarget(arguments, *prepared, state, io);
        io.out.flush();
        return status;
    }

} // namespace

int runExportCommand(const std::vector<std::string>& args, CliStreams io)
{
    const Result<ExportArguments> arguments = parseExportArguments(args);
    if (!arguments) {
        io.err << "tessellon-cli export: " << arguments.message() << "\n" << usage;
        return exitUnusable;
    }
    std::atomic<bool> interrupted { false };
    RunState state { interrupted };
    int status = exitOk;
    int signal = 0;
    {
        InterruptWatch watch([&interrupted] { interrupted.store(true); });
        status = exportFont(*arguments, state, io);
        signal = watch.signalNumber();
    }
    if (signal != 0) {
        if (state.outputUnfinished) {
            removeHalfWrittenOutput(arguments->outputPath, io.err);
        }
        io.out << std::flush;
        io.err << std::flush;
        return endBySignal(signal);
    }
    return status;
}

} // namespace tessellon::cli
