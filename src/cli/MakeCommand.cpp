#include "cli/MakeCommand.h"
#include "cli/CliCommand.h"
#include "cli/DrawingCommands.h"
#include "cli/GuiApplicationScope.h"
#include "cli/InterruptWatch.h"
#include "cli/MakeArguments.h"

#include "creation/FaceFont.h"
#include "creation/FontCoverage.h"
#include "creation/FontMaking.h"
#include "creation/GlyphDrawing.h"
#include "creation/NewFontSetUp.h"
#include "document/FontLib.h"
#include "document/PixWriter.h"
#include "document/SameFile.h"

#include <chrono>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <ostream>

#include <unistd.h>

namespace tessellon::cli {

namespace {

    using Clock = std::chrono::steady_clock;

    constexpr const char* makeUsage
        = "Usage: tessellon-cli make OUT.pix --width W --height H [--offset X,Y]\n"
          "           --font FAMILY_OR_FILE --px N [--bold] [--italic]\n"
          "           [--hinting system|auto|light|none]\n"
          "           (--charset FILE | --ranges 30-39,41-5A) [--baseline N] [--strict]\n"
          "           [--threads N] [--timings]\n";

    double seconds(Clock::duration duration)
    {
        return std::chrono::duration<double>(duration).count();
    }

    // A bar on standard error, redrawn when the percentage changes.
    class ProgressBar {
    public:
        ProgressBar(std::ostream& out, bool enabled)
            : m_out(out)
            , m_enabled(enabled)
        {
        }

        void show(int percent)
        {
            if (!m_enabled || percent == m_shown) {
                return;
            }
            m_shown = percent;
            const int filled = percent * width / 100;
            m_out << "\r[" << std::string(filled, '#') << std::string(width - filled, ' ') << "] "
                  << std::setw(3) << percent << "%" << std::flush;
        }

        void finish()
        {
            if (m_enabled && m_shown >= 0) {
                m_out << "\n" << std::flush;
            }
        }

    private:
        static constexpr int width = 40;
        std::ostream& m_out;
        bool m_enabled;
        int m_shown = -1;
    };

    // Making a font must not replace what it is made from.
    Status checkOutputIsNoInput(const MakeArguments& arguments, const std::string& charSetPath)
    {
        if (isSameFile(arguments.output, charSetPath)) {
            return failure("the output file " + arguments.output
                + " is the character-set file; give another name");
        }
        if (isSameFile(arguments.output, arguments.font)) {
            return failure(
                "the output file " + arguments.output + " is the font file; give another name");
        }
        return {};
    }

    struct Timings {
        Clock::time_point start = Clock::now();
        Clock::duration setUp {};
        Clock::duration drawing {};
        Clock::duration handOvers {};
        Clock::duration writing {};

        void print(std::ostream& err, std::uint32_t glyphs) const
        {
            err << std::fixed << std::setprecision(3) << "timings: set-up " << seconds(setUp)
                << " s, drawing " << seconds(drawing) << " s (of which hand-overs "
                << seconds(handOvers) << " s), writing " << seconds(writing) << " s, total "
                << seconds(Clock::now() - start) << " s, glyphs " << glyphs << "\n";
        }
    };

    // Draws every glyph of the set-up font, on a thread a core, and stores the glyphs in
    // order on this thread, answering each hand-over as it is posted, by the progress bar. A
    // stop request ends it early.
    Status drawGlyphs(NewFontDrawing& drawing, std::optional<unsigned> threads, CreateFontRun& run,
        Timings& timings, CliStreams io)
    {
        ProgressBar bar(io.err, &io.err == &std::cerr && ::isatty(STDERR_FILENO));
        run.setTotalBytes(drawing.totalBytes);
        run.answerOnPost([&run, &bar] {
            if (const auto percent = run.percentDone()) {
                bar.show(*percent);
            }
        });
        const auto drawStart = Clock::now();
        timings.setUp = drawStart - timings.start;
        Status drawn = drawNewFont(drawing, threads.value_or(drawingThreadCount()), run);
        timings.drawing = Clock::now() - drawStart;
        timings.handOvers = run.handOverTime();
        run.setNotifyHook({});
        bar.finish();
        if (drawn && run.stopRequested()) {
            return failure("interrupted; nothing was written");
        }
        return drawn;
    }

    // What the glyphs are drawn with. Call it within a GuiApplicationScope.
    Result<GlyphDrawingPlan> planFor(const FaceFontRequest& request)
    {
        const auto params = faceDrawingParams(request);
        if (!params) {
            return failure(params.message());
        }
        return planGlyphDrawing(*params);
    }

    Result<FaceFont> drawFont(
        const MakeArguments& arguments, CreateFontRun& run, Timings& timings, CliStreams io)
    {
        std::vector<std::string> warnings;
        auto choice = chooseFaceCharSet(arguments, warnings);
        for (const std::string& warning : warnings) {
            io.err << "tessellon-cli make: warning: " << warning << "\n";
        }
        if (!choice) {
            return failure(choice.message());
        }
        if (const Status distinct = checkOutputIsNoInput(arguments, choice->path); !distinct) {
            return failure(distinct.message());
        }
        GuiApplicationScope application;
        return makeFaceFont(arguments, choice->path, [&](NewFontDrawing& drawing) {
            return drawGlyphs(drawing, arguments.threads, run, timings, io);
        });
    }

    Status writeFont(
        const MakeArguments& arguments, const FaceFont& made, Timings& timings, CliStreams io)
    {
        const auto writeStart = Clock::now();
        Status written = writePixFile(arguments.output, made.font);
        timings.writing = Clock::now() - writeStart;
        if (!written) {
            return written;
        }
        io.out << arguments.output << ": " << glyphCountText(made.font.info.glyphCount) << " of "
               << arguments.width << "x" << arguments.height << ", font " << made.family << " "
               << arguments.pixelSize << " px\n";
        if (arguments.timings) {
            timings.print(io.err, made.font.info.glyphCount);
        }
        return {};
    }

    Status makeFont(const MakeArguments& arguments, CreateFontRun& run, CliStreams io)
    {
        Timings timings;
        const auto made = drawFont(arguments, run, timings, io);
        if (!made) {
            return failure(made.message());
        }
        if (made->substitution) {
            io.err << "tessellon-cli make: warning: " << *made->substitution << "\n";
        }
        if (!made->missing.empty()) {
            io.err << "tessellon-cli make: warning: " << missingCharactersText(made->missing)
                   << "\n";
        }
        return writeFont(arguments, *made, timings, io);
    }

} // namespace

NewFontDrawer commandLineDrawer(std::optional<unsigned> threads, CreateFontRun& run, CliStreams io)
{
    return [threads, &run, io](NewFontDrawing& drawing) {
        Timings timings;
        return drawGlyphs(drawing, threads, run, timings, io);
    };
}

Result<FontFaceFile> fontFaceOf(const FaceFontRequest& request)
{
    GuiApplicationScope application;
    const auto plan = planFor(request);
    if (!plan) {
        return failure(plan.message());
    }
    return drawnFace(*plan);
}

int runMakeFont(const std::vector<std::string>& args, CliStreams io)
{
    const auto arguments = parseMakeArguments(args);
    if (!arguments) {
        io.err << "tessellon-cli make: " << arguments.message() << "\n" << makeUsage;
        return exitUnusable;
    }
    CreateFontRun run;
    Status made;
    int signal = 0;
    {
        InterruptWatch watch([&run] { run.requestStop(); });
        made = makeFont(*arguments, run, io);
        signal = watch.signalNumber();
    }
    if (!made) {
        io.err << "tessellon-cli make: " << made.message() << "\n";
    }
    if (signal != 0) {
        io.out << std::flush;
        io.err << std::flush;
        return endBySignal(signal);
    }
    return made ? exitOk : exitUnusable;
}

} // namespace tessellon::cli
