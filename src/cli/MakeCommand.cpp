#include "cli/CliCommand.h"
#include "cli/MakeArguments.h"

#include "creation/CharSetFolder.h"
#include "creation/CharSetFormat.h"
#include "creation/NewFontLimits.h"
#include "creation/TemporaryCharSetFile.h"
#include "creation/ThreadCreateFont.h"
#include "document/FontLib.h"
#include "document/PixWriter.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <memory>
#include <ostream>

#include <unistd.h>

namespace tessellon::cli {

namespace {

    using Clock = std::chrono::steady_clock;

    constexpr const char* makeUsage
        = "Usage: tessellon-cli make OUT.pix --width W --height H [--offset X,Y]\n"
          "           --font FAMILY_OR_FILE --px N [--bold] [--italic]\n"
          "           (--charset FILE | --ranges 30-39,41-5A) [--timings]\n";

    double seconds(Clock::duration duration)
    {
        return std::chrono::duration<double>(duration).count();
    }

    bool hasDisplay()
    {
        const char* display = std::getenv("DISPLAY");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        return (display && *display) || (wayland && *wayland);
    }

    // Qt's own messages go to standard error as usual, but for the note that a headless
    // session has no runtime folder, which says nothing about the font being made.
    void filterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
            return;
        }
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }

    // Fonts need a QGuiApplication. Without a display (and without a platform chosen by
    // the user) the offscreen platform serves.
    class GuiApplicationScope {
    public:
        GuiApplicationScope()
        {
            if (QCoreApplication::instance()) {
                return;
            }
            qInstallMessageHandler(filterQtMessages);
            m_arguments = { "tessellon-cli" };
            if (!hasDisplay() && !std::getenv("QT_QPA_PLATFORM")) {
                m_arguments.insert(m_arguments.end(), { "-platform", "offscreen" });
            }
            for (auto& argument : m_arguments) {
                m_argv.push_back(argument.data());
            }
            m_argv.push_back(nullptr);
            m_argc = static_cast<int>(m_arguments.size());
            m_application = std::make_unique<QGuiApplication>(m_argc, m_argv.data());
        }

        ~GuiApplicationScope()
        {
            if (m_application) {
                m_application.reset();
                qInstallMessageHandler(nullptr);
            }
        }
        GuiApplicationScope(const GuiApplicationScope&) = delete;
        GuiApplicationScope& operator=(const GuiApplicationScope&) = delete;

    private:
        std::vector<std::string> m_arguments;
        std::vector<char*> m_argv;
        int m_argc = 0;
        std::unique_ptr<QGuiApplication> m_application;
    };

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

    bool looksLikeFontFile(const QString& text)
    {
        static const QStringList suffixes { "ttf", "otf", "ttc", "otc", "pfb", "pfa" };
        return text.contains(QLatin1Char('/'))
            || suffixes.contains(QFileInfo(text).suffix().toLower());
    }

    // A family name, or the family of the font file given by path.
    bool resolveFamily(const std::string& given, QString& family, std::ostream& err)
    {
        const QString text = QString::fromStdString(given);
        const QFileInfo file(text);
        if (!file.exists()) {
            if (looksLikeFontFile(text)) {
                err << "tessellon-cli make: Cannot open font file " << given << ": no such file\n";
                return false;
            }
            family = text;
            return true;
        }
        const int id
            = file.isFile() ? QFontDatabase::addApplicationFont(file.absoluteFilePath()) : -1;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty()) {
            err << "tessellon-cli make: Cannot load font file " << given
                << ": not a font Qt can read\n";
            return false;
        }
        family = families.first();
        return true;
    }

    QFont fontFor(const MakeArguments& arguments, const QString& family)
    {
        QFont font(family);
        font.setPixelSize(arguments.pixelSize);
        font.setWeight(arguments.bold ? QFont::Bold : QFont::Normal);
        font.setItalic(arguments.italic);
        return font;
    }

    // A file given by a bare name that does not exist here is looked for among the
    // character sets beside the program.
    std::string findCharSetFile(const std::string& given)
    {
        std::error_code error;
        if (std::filesystem::exists(given, error) || given.find('/') != std::string::npos) {
            return given;
        }
        const std::string shipped = charSetFilePath(programFolder(), given);
        return std::filesystem::exists(shipped, error) ? shipped : given;
    }

    bool prepareCharSet(const MakeArguments& arguments, TemporaryCharSetFile& temporary,
        std::string& path, std::ostream& err)
    {
        if (arguments.charSetFile) {
            path = findCharSetFile(*arguments.charSetFile);
        } else {
            std::vector<std::uint16_t> codes;
            std::string error;
            std::vector<std::string> warnings;
            if (!parseRangeList(*arguments.ranges, codes, error, warnings)) {
                err << "tessellon-cli make: " << error << "\n";
                return false;
            }
            for (const auto& warning : warnings) {
                err << "tessellon-cli make: warning: " << warning << "\n";
            }
            if (!temporary.create(codes)) {
                err << "tessellon-cli make: " << temporary.errorText() << "\n";
                return false;
            }
            path = temporary.path();
        }
        const CharSetMeasure measure = measureCharSetFile(path);
        if (!measure.opened) {
            err << "tessellon-cli make: " << measure.message << "\n";
            return false;
        }
        const std::string problem
            = newFontSizeProblem(arguments.width, arguments.height, measure.glyphCount);
        if (!problem.empty()) {
            err << "tessellon-cli make: " << problem << "\n";
            return false;
        }
        return true;
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

    // Draws every glyph with the rasteriser; hand-overs are served on this thread.
    bool drawFont(const CreateFontParams& params, FontLib& font, Timings& timings,
        std::ostream& err, bool showProgress)
    {
        ThreadCreateFont worker;
        worker.setHandOverRoute(ThreadCreateFont::HandOverRoute::Direct);
        const std::uint32_t glyphCount = worker.Prepare(params);
        if (!worker.errorText().empty()) {
            err << "tessellon-cli make: " << worker.errorText() << "\n";
            return false;
        }
        font = FontLib::blank(params.glyphWidth, params.glyphHeight, glyphCount, true);
        worker.SetBuffers(font.pixelData, *font.codeTable, glyphCount);

        ProgressBar bar(err, showProgress);
        QObject::connect(&worker, &ThreadCreateFont::progressChanged,
            [&bar](int percent) { bar.show(percent); });
        const auto drawStart = Clock::now();
        timings.setUp = drawStart - timings.start;
        worker.start();
        worker.serveUntilStopped();
        worker.wait();
        timings.drawing = Clock::now() - drawStart;
        timings.handOvers = worker.runState()->handOverTime();
        bar.finish();
        return true;
    }

} // namespace

int runMakeCommand(const std::vector<std::string>& args, CliStreams io)
{
    Timings timings;
    MakeArguments arguments;
    std::string error;
    if (!parseMakeArguments(args, arguments, error)) {
        io.err << "tessellon-cli make: " << error << "\n" << makeUsage;
        return exitUnusable;
    }
    TemporaryCharSetFile temporary;
    std::string charSetPath;
    if (!prepareCharSet(arguments, temporary, charSetPath, io.err)) {
        return exitUnusable;
    }

    GuiApplicationScope application;
    QString family;
    if (!resolveFamily(arguments.font, family, io.err)) {
        return exitUnusable;
    }
    CreateFontParams params;
    params.glyphWidth = static_cast<std::uint16_t>(arguments.width);
    params.glyphHeight = static_cast<std::uint16_t>(arguments.height);
    params.offsetX = static_cast<std::int16_t>(arguments.offsetX);
    params.offsetY = static_cast<std::int16_t>(arguments.offsetY);
    params.font = fontFor(arguments, family);
    params.CharSetFile = QString::fromStdString(charSetPath);

    FontLib font;
    const bool showProgress = &io.err == &std::cerr && ::isatty(STDERR_FILENO);
    if (!drawFont(params, font, timings, io.err, showProgress)) {
        return exitUnusable;
    }
    temporary.remove();

    const auto writeStart = Clock::now();
    const Status written = writePixFile(arguments.output, font);
    timings.writing = Clock::now() - writeStart;
    if (!written) {
        io.err << "tessellon-cli make: " << written.message() << "\n";
        return exitUnusable;
    }
    io.out << arguments.output << ": " << font.info.glyphCount << " glyphs of " << arguments.width
           << "x" << arguments.height << ", font " << QFontInfo(params.font).family().toStdString()
           << " " << arguments.pixelSize << " px\n";
    if (arguments.timings) {
        timings.print(io.err, font.info.glyphCount);
    }
    return exitOk;
}

} // namespace tessellon::cli
