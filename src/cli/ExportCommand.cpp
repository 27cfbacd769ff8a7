#include "cli/CliCommand.h"

#include "document/PixReader.h"
#include "export/ExportRun.h"
#include "export/OutputFile.h"
#include "export/ScriptFile.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
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

} // namespace

int runExportCommand(const std::vector<std::string>& args, CliStreams io)
{
    const Result<ExportArguments> arguments = parseArguments(args);
    if (!arguments) {
        io.err << "tessellon-cli export: " << arguments.message() << "\n" << usage;
        return exitUnusable;
    }
    const Result<FontLib> font = readPixFile(arguments->fontPath);
    if (!font.ok()) {
        io.err << "tessellon-cli export: " << aboutFile(arguments->fontPath, font.message())
               << "\n";
        return exitUnusable;
    }
    const Result<std::string> script = scriptTextOf(arguments->scriptPath);
    if (!script) {
        io.err << "tessellon-cli export: " << script.message() << "\n";
        return exitUnusable;
    }
    if (const Status spared = checkOutputSparesInputs(*arguments); !spared) {
        io.err << "tessellon-cli export: " << spared.message() << "\n";
        return exitUnusable;
    }
    const ExportSource source = makeExportSource(arguments->outputPath, *font);
    Csub csub([&io](const std::string& line) { io.out << line << '\n'; });
    if (arguments->maxSeconds) {
        csub.setStopCheck(deadlineCheck(*arguments->maxSeconds));
    }
    const Result<ExecuteResult> result = runExportScript(csub, source, *script);
    io.out.flush();
    return exitStatusOf(result, io.err);
}

} // namespace tessellon::cli
