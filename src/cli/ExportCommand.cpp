#include "cli/CliCommand.h"

#include "document/PixReader.h"
#include "export/DefaultScript.h"
#include "export/ExportRun.h"
#include "export/ScriptFile.h"
#include "export/ScriptText.h"

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

    // Reads the options; the reason for a refusal goes to err.
    std::optional<ExportArguments> parseArguments(
        const std::vector<std::string>& args, std::ostream& err)
    {
        ExportArguments parsed;
        bool haveOutput = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            const bool takesValue = arg == "-o" || arg == "-s" || arg == "--max-seconds";
            if (takesValue && i + 1 == args.size()) {
                err << "tessellon-cli export: " << arg << " needs a value\n";
                return std::nullopt;
            }
            if (arg == "-o") {
                parsed.outputPath = args[++i];
                haveOutput = true;
            } else if (arg == "-s") {
                parsed.scriptPath = args[++i];
            } else if (arg == "--max-seconds") {
                parsed.maxSeconds = positiveSeconds(args[++i]);
                if (!parsed.maxSeconds) {
                    err << "tessellon-cli export: --max-seconds needs a number above 0\n";
                    return std::nullopt;
                }
            } else if (parsed.fontPath.empty() && (arg.empty() || arg[0] != '-')) {
                parsed.fontPath = arg;
            } else {
                err << "tessellon-cli export: unexpected argument '" << arg << "'\n";
                return std::nullopt;
            }
        }
        if (parsed.fontPath.empty() || !haveOutput || parsed.outputPath.empty()) {
            return std::nullopt;
        }
        return parsed;
    }

    // The script as the export dialog's editor would hand it over.
    std::optional<std::string> scriptText(const ExportArguments& arguments, std::ostream& err)
    {
        if (!arguments.scriptPath) {
            return joinScriptLines(defaultScript());
        }
        const ScriptReadResult read = readScriptFile(*arguments.scriptPath);
        if (!read.ok) {
            err << read.message << "\n";
            return std::nullopt;
        }
        return joinScriptLines(read.lines);
    }

    std::function<bool()> deadlineCheck(double seconds)
    {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point deadline = Clock::now()
            + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
        return [deadline] { return Clock::now() >= deadline; };
    }

    int exitStatusOf(const ExportRunResult& result, std::ostream& err)
    {
        if (!result.message.empty()) {
            err << result.message << "\n";
        }
        switch (result.status) {
        case ExportRunStatus::Ran:
            return exitOk;
        case ExportRunStatus::CompileError:
            return exitNotCompiled;
        case ExportRunStatus::Stopped:
            return exitStopped;
        default:
            return exitUnusable;
        }
    }

} // namespace

int runExportCommand(const std::vector<std::string>& args, CliStreams io)
{
    const std::optional<ExportArguments> arguments = parseArguments(args, io.err);
    if (!arguments) {
        io.err << usage;
        return exitUnusable;
    }
    const Result<FontLib> font = readPixFile(arguments->fontPath);
    if (!font.ok()) {
        io.err << font.message() << "\n";
        return exitUnusable;
    }
    const std::optional<std::string> script = scriptText(*arguments, io.err);
    if (!script) {
        return exitUnusable;
    }
    const ExportSource source = makeExportSource(arguments->outputPath, *font);
    Csub csub([&io](const std::string& line) { io.out << line << '\n'; });
    if (arguments->maxSeconds) {
        csub.setStopCheck(deadlineCheck(*arguments->maxSeconds));
    }
    const ExportRunResult result = runExportScript(csub, source, *script);
    io.out.flush();
    return exitStatusOf(result, io.err);
}

} // namespace tessellon::cli
