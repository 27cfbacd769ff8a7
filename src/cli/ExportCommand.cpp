#include "cli/CliCommand.h"
#include "cli/InterruptWatch.h"

#include "document/PixReader.h"
#include "export/ExportRun.h"
#include "export/OutputFile.h"
#include "export/ScriptFile.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>

namespace tessellon::cli {

namespace {

    constexpr int exitNotCompiled = 1;
    constexpr int exitStopped = 3;

    constexpr const char* usage
        = "Usage: tessellon-cli export FONT.pix -o OUT [-s SCRIPT.spt] [--max-seconds N]\n";

    struct ExportArguments {
        std::string fontPath;
        std::string outputPath;
        std::optional<std::string> scriptPath;
        std::optional<double> maxSeconds;
    };

    // Longer limits are taken as this one (about 31 years), so the deadline stays countable.
    constexpr double longestLimit = 1e9;

    std::optional<double> positiveSeconds(const std::string& text)
    {
        char* end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (text.empty() || *end != '\0' || !std::isfinite(value) || value <= 0) {
            return std::nullopt;
        }
        return std::min(value, longestLimit);
    }

    // The options, or why they cannot be used.
    Result<ExportArguments> parseArguments(const std::vector<std::string>& args)
    {
        ExportArguments parsed;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            const bool takesValue = arg == "-o" || arg == "-s" || arg == "--max-seconds";
            if (takesValue && i + 1 == args.size()) {
                return failure(arg + " needs a value");
            }
            if (arg == "-o") {
                parsed.outputPath = args[++i];
            } else if (arg == "-s") {
                parsed.scriptPath = args[++i];
            } else if (arg == "--max-seconds") {
                parsed.maxSeconds = positiveSeconds(args[++i]);
                if (!parsed.maxSeconds) {
                    return failure("--max-seconds needs a number above 0");
                }
            } else if (parsed.fontPath.empty() && (arg.empty() || arg[0] != '-')) {
                parsed.fontPath = arg;
            } else {
                return failure("unexpected argument '" + arg + "'");
            }
        }
        if (parsed.fontPath.empty()) {
            return failure("FONT.pix is missing");
        }
        if (parsed.outputPath.empty()) {
            return failure("-o OUT is missing: name the file the export writes");
        }
        return parsed;
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

    // The export once its arguments are known; an interruption stops the script as
    // --max-seconds does. outputUnfinished says whether the output was created or emptied
    // and not written to its end.
    int exportFont(const ExportArguments& arguments, const std::atomic<bool>& interrupted,
        bool& outputUnfinished, CliStreams io)
    {
        const Result<FontLib> font = readPixFile(arguments.fontPath);
        if (!font.ok()) {
            io.err << "tessellon-cli export: " << aboutFile(arguments.fontPath, font.message())
                   << "\n";
            return exitUnusable;
        }
        const Result<std::string> script = scriptTextOf(arguments.scriptPath);
        if (!script) {
            io.err << "tessellon-cli export: " << script.message() << "\n";
            return exitUnusable;
        }
        if (const Status spared = checkOutputSparesInputs(arguments); !spared) {
            io.err << "tessellon-cli export: " << spared.message() << "\n";
            return exitUnusable;
        }
        const ExportSource source = makeExportSource(arguments.outputPath, *font);
        Csub csub([&io](const std::string& line) { io.out << line << '\n'; });
        std::function<bool()> deadlinePassed;
        if (arguments.maxSeconds) {
            deadlinePassed = deadlineCheck(*arguments.maxSeconds);
        }
        csub.setStopCheck([&interrupted, deadlinePassed] {
            return interrupted.load() || (deadlinePassed && deadlinePassed());
        });
        if (interrupted.load()) {
            return exitStopped;
        }
        outputUnfinished = true;
        const Result<ExecuteResult> result = runExportScript(csub, source, *script);
        io.out.flush();
        outputUnfinished = !result || *result == ExecuteResult::Stopped;
        return exitStatusOf(result, io.err);
    }

} // namespace

int runExportCommand(const std::vector<std::string>& args, CliStreams io)
{
    const Result<ExportArguments> arguments = parseArguments(args);
    if (!arguments) {
        io.err << "tessellon-cli export: " << arguments.message() << "\n" << usage;
        return exitUnusable;
    }
    std::atomic<bool> interrupted { false };
    bool outputUnfinished = false;
    int status = exitOk;
    int signal = 0;
    {
        InterruptWatch watch([&interrupted] { interrupted.store(true); });
        status = exportFont(*arguments, interrupted, outputUnfinished, io);
        signal = watch.signalNumber();
    }
    if (signal != 0) {
        if (outputUnfinished) {
            removeHalfWrittenOutput(arguments->outputPath, io.err);
        }
        io.out << std::flush;
        io.err << std::flush;
        return endBySignal(signal);
    }
    return status;
}

} // namespace tessellon::cli
