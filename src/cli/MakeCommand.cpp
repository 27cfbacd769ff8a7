#include "cli/MakeCommand.h"
#include "cli/CliCommand.h"
#include "cli/DrawingCommands.h"
#include "cli/GuiApplicationScope.h"
#include "cli/InterruptWatch.h"
#include "cli/MakeArguments.h"

#include "creation/CharSetFolder.h"
#include "creation/CharSetReader.h"
#include "creation/FontCoverage.h"
#include "creation/FontMaking.h"
#include "creation/GlyphDrawing.h"
#include "creation/NewFontLimits.h"
#include "creation/NewFontSetUp.h"
#include "creation/TemporaryCharSetFile.h"
#include "document/ByteSource.h"
#include "document/FontLib.h"
#include "document/PixWriter.h"
#include "document/ProgramFolders.h"
#include "document/SameFile.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <ostream>
#include <span>

#include <unistd.h>

namespace tessellon::cli {

namespace {

    namespace fs = std::filesystem;
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

    // Font files are read whole; none of the largest real ones comes near this.
    constexpr std::uint64_t maxFontFileBytes = 256ull << 20;

    bool looksLikeFontFile(const std::string& given)
    {
        std::string suffix = fs::path(given).extension().string();
        std::transform(suffix.begin(), suffix.end(), suffix.begin(),
            [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        static const std::array suffixes { ".ttf", ".otf", ".ttc", ".otc", ".pfb", ".pfa" };
        return given.find('/') != std::string::npos
            || std::find(suffixes.begin(), suffixes.end(), suffix) != suffixes.end();
    }

    // The family to draw with, and the font file it was loaded from when one was given.
    struct FontChoice {
        QString family;
        QString file;
    };

    Result<QString> familyOfFontFile(const std::string& path)
    {
        const auto bytes = readWholeFile<QByteArray>(path, maxFontFileBytes, "a font file");
        if (!bytes) {
            return failure(bytes.message());
        }
        const int id = QFontDatabase::addApplicationFontFromData(*bytes);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty()) {
            return failure("Cannot load font file " + path + ": not a font Qt can read");
        }
        return families.first();
    }

    // A family name, or the family of the font file given by path.
    Result<FontChoice> resolveFamily(const std::string& given)
    {
        std::error_code error;
        if (fs::exists(given, error) || looksLikeFontFile(given)) {
            auto family = familyOfFontFile(given);
            if (!family) {
                return failure(family.message());
            }
            return FontChoice { *family, QFile::decodeName(QByteArray::fromStdString(given)) };
        }
        return FontChoice { QString::fromStdString(given), {} };
    }

    QFont fontFor(const MakeArguments& arguments, const QString& family)
    {
        QFont font(family);
        font.setPixelSize(arguments.pixelSize);
        font.setWeight(arguments.bold ? QFont::Bold : QFont::Normal);
        font.setItalic(arguments.italic);
        return font;
    }

    // The character-set file to make the font from: the one given, or a temporary one
    // written from the ranges, which are refused before anything is made from them when
    // they give more codes than a font may hold.
    struct CharSetChoice {
        std::string path;
        TemporaryCharSetFile temporary;
    };

    Result<CharSetChoice> temporaryCharSet(
        const MakeArguments& arguments, std::span<const std::uint16_t> codes)
    {
        const Status size = checkNewFontSize(arguments.width, arguments.height, codes.size());
        if (!size) {
            return failure(size.message());
        }
        auto temporary = TemporaryCharSetFile::create(codes);
        if (!temporary) {
            return failure(temporary.message());
        }
        std::string path = temporary->path();
        return CharSetChoice { std::move(path), std::move(*temporary) };
    }

    Result<CharSetChoice> chooseCharSet(const MakeArguments& arguments, std::ostream& err)
    {
        if (arguments.codes) {
            return temporaryCharSet(arguments, *arguments.codes);
        }
        if (arguments.charSetFile) {
            return CharSetChoice {
                findCharSetFile(*arguments.charSetFile, {}, programFolders().data), {}
            };
        }
        const auto ranges = parseRangeList(*arguments.ranges);
        if (!ranges) {
            return failure(ranges.message());
        }
        for (const auto& warning : ranges->warnings) {
            err << "tessellon-cli make: warning: " << warning << "\n";
        }
        if (const Status size
            = checkNewFontSize(arguments.width, arguments.height, ranges->codeCount);
            !size) {
            return failure(size.message());
        }
        return temporaryCharSet(arguments, ranges->codes());
    }

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
    Status drawGlyphs(NewFontDrawing& drawing, const MakeArguments& arguments, CreateFontRun& run,
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
        Status drawn = drawNewFont(drawing, arguments.threads.value_or(drawingThreadCount()), run);
        timings.drawing = Clock::now() - drawStart;
        timings.handOvers = run.handOverTime();
        run.setNotifyHook({});
        bar.finish();
        return drawn;
    }

    // How the glyphs are drawn. Call it within a GuiApplicationScope.
    Result<GlyphDrawingParams> drawingParamsFor(const MakeArguments& arguments)
    {
        const auto family = resolveFamily(arguments.font);
        if (!family) {
            return failure(family.message());
        }
        return GlyphDrawingParams { fontFor(arguments, family->family), family->file,
            arguments.width, arguments.height, arguments.offsetX, arguments.offsetY,
            arguments.hinting };
    }

    // What the glyphs are drawn with. Call it within a GuiApplicationScope.
    Result<GlyphDrawingPlan> planFor(const MakeArguments& arguments)
    {
        const auto params = drawingParamsFor(arguments);
        if (!params) {
            return failure(params.message());
        }
        return planGlyphDrawing(*params);
    }

    // The characters of the set that the face lacks; an error with --strict.
    Result<FaceCoverage> checkCoverage(const GlyphDrawingPlan& plan, const std::string& charSetPath,
        const MakeArguments& arguments)
    {
        const auto codes = readCharSetCodes(charSetPath);
        if (!codes) {
            return failure(codes.message());
        }
        auto coverage = findMissingCharacters(plan, *codes);
        if (coverage && arguments.strict && !coverage->missing.empty()) {
            return failure(
                missingCharactersText(coverage->missing) + "; nothing was written (--strict)");
        }
        return coverage;
    }

    Result<MadeFont> drawFont(
        const MakeArguments& arguments, CreateFontRun& run, Timings& timings, CliStreams io)
    {
        auto choice = chooseCharSet(arguments, io.err);
        if (!choice) {
            return failure(choice.message());
        }
        if (const Status distinct = checkOutputIsNoInput(arguments, choice->path); !distinct) {
            return failure(distinct.message());
        }
        GuiApplicationScope application;
        const auto params = drawingParamsFor(arguments);
        if (!params) {
            return failure(params.message());
        }
        auto setUp = setUpNewFont(*params, choice->path);
        if (!setUp) {
            return failure(setUp.message());
        }
        auto coverage = checkCoverage(setUp->drawing.plan, choice->path, arguments);
        if (!coverage) {
            return failure(coverage.message());
        }
        MadeFont made { std::move(setUp->font), QFontInfo(params->font).family().toStdString(),
            coverage->face, coverage->missing };
        if (arguments.baseline) {
            made.font.baseline = arguments.baseline;
        }
        if (const Status drawn = drawGlyphs(setUp->drawing, arguments, run, timings, io); !drawn) {
            return failure(drawn.message());
        }
        if (run.stopRequested()) {
            return failure("interrupted; nothing was written");
        }
        return made;
    }

    Status writeFont(
        const MakeArguments& arguments, const MadeFont& made, Timings& timings, CliStreams io)
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
        if (!made->missing.empty()) {
            io.err << "tessellon-cli make: warning: " << missingCharactersText(made->missing)
                   << "\n";
        }
        return writeFont(arguments, *made, timings, io);
    }

} // namespace

Result<MadeFont> makeFontInMemory(const MakeArguments& arguments, CreateFontRun& run, CliStreams io)
{
    Timings timings;
    return drawFont(arguments, run, timings, io);
}

Result<FontFaceFile> fontFaceOf(const MakeArguments& arguments)
{
    GuiApplicationScope application;
    const auto plan = planFor(arguments);
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
