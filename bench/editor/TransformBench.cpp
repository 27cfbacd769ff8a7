// Times the editing steps a user waits for on a full font of 65,536 glyphs of 16 x 16, on
// the platform that QT_QPA_PLATFORM names:
//   - a transform of every glyph and its undo, in the core (change, door and inverse) and
//     through a font window (selection, history step, grid and preview listeners, repaint);
//   - the text preview of 1,000 characters drawn again (layout, display image, paint).
// Prints the figures; it is not a test.

#include "FullFont.h"
#include "document/FontDocument.h"
#include "editor/FontHistory.h"
#include "editor/GlyphGrid.h"
#include "editor/GlyphTransform.h"
#include "editor/MDIChild.h"
#include "editor/QtUserDialogs.h"
#include "editor/TextPreviewPanel.h"
#include "editor/TextPreviewSettings.h"
#include "editor/TextPreviewView.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSpinBox>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

using namespace tessellon;

namespace {

constexpr std::uint32_t glyphCount = bench::fullGlyphCount;
constexpr int glyphSide = bench::fullGlyphSide;
constexpr int runs = 21;
constexpr double transformTarget = 30;
constexpr double previewTarget = 16;

double milliseconds(qint64 nanoseconds) { return static_cast<double>(nanoseconds) / 1e6; }

double report(const char* where, GlyphTransform transform, std::vector<qint64>& done,
    std::vector<qint64>& undone)
{
    static const char* names[] = { "Shift Up", "Shift Down", "Shift Left", "Shift Right",
        "Flip Horizontally", "Flip Vertically", "Invert", "Clear", "Bold" };
    std::sort(done.begin(), done.end());
    std::sort(undone.begin(), undone.end());
    std::printf("%-6s %-17s of every glyph  median %6.2f max %6.2f | undo median %6.2f max "
                "%6.2f ms\n",
        where, names[static_cast<int>(transform)], milliseconds(done[done.size() / 2]),
        milliseconds(done.back()), milliseconds(undone[undone.size() / 2]),
        milliseconds(undone.back()));
    return milliseconds(std::max(done.back(), undone.back()));
}

// Runs what runs times and prints its median and worst time; returns the worst.
double measure(const char* name, const std::function<void()>& what)
{
    std::vector<qint64> times;
    QElapsedTimer clock;
    for (int run = 0; run < runs; ++run) {
        clock.start();
        what();
        times.push_back(clock.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    const double worst = milliseconds(times.back());
    std::printf(
        "%-46s median %7.2f  max %7.2f ms\n", name, milliseconds(times[times.size() / 2]), worst);
    return worst;
}

const char* verdict(double worst, double target) { return worst < target ? "met" : "MISSED"; }

double coreTransforms()
{
    FontDocument document;
    document.takeFont(bench::fullFont());
    std::vector<std::uint32_t> all(glyphCount);
    std::iota(all.begin(), all.end(), 0u);
    double worst = 0;
    for (const GlyphTransform transform :
        { GlyphTransform::FlipHorizontally, GlyphTransform::Bold, GlyphTransform::ShiftRight }) {
        std::vector<qint64> done;
        std::vector<qint64> undone;
        QElapsedTimer clock;
        for (int run = 0; run < runs; ++run) {
            clock.start();
            const GlyphChange undo
                = document.replaceGlyphs(transformGlyphs(document.fontLib(), all, transform))
                      .value();
            done.push_back(clock.nsecsElapsed());
            clock.start();
            const bool undoFits = document.replaceGlyphs(undo).ok();
            undone.push_back(clock.nsecsElapsed());
            if (!undoFits) {
                std::fputs("editor_transform_bench: an undo did not fit the font\n", stderr);
            }
        }
        worst = std::max(worst, report("core", transform, done, undone));
    }
    return worst;
}

double windowTransforms(TMDIChild& child)
{
    child.gridFontLib().selectCells({ 0, 1, GlyphsPerRow - 1, 2049 });
    QApplication::processEvents();
    const auto step = [&](const std::function<void()>& what) {
        what();
        // The grid's repaint of what changed is part of what the user waits for.
        QApplication::processEvents();
    };
    double worst = 0;
    for (const GlyphTransform transform :
        { GlyphTransform::FlipHorizontally, GlyphTransform::Invert, GlyphTransform::ShiftUp }) {
        std::vector<qint64> done;
        std::vector<qint64> undone;
        QElapsedTimer clock;
        for (int run = 0; run < runs; ++run) {
            clock.start();
            step([&] { child.transform(transform); });
            done.push_back(clock.nsecsElapsed());
            clock.start();
            step([&] { child.undo(); });
            undone.push_back(clock.nsecsElapsed());
        }
        worst = std::max(worst, report("window", transform, done, undone));
    }
    return worst;
}

double previewRedraws(TMDIChild& child)
{
    TextPreviewPanel& preview = child.textPreview();
    QString text;
    for (int i = 0; i < 1000; ++i) {
        text += QChar(0x4e00 + (i * 37) % 20000);
        if (i % 9 == 8) {
            text += ' ';
        }
    }
    text.truncate(1000);
    preview.textField().setText(text);
    double worst = 0;
    for (const int display : { 4, 5 }) {
        for (const int scale : { 1, 4 }) {
            preview.displayChoice().setCurrentIndex(display);
            preview.scaleChoice().setValue(scale);
            QApplication::processEvents();
            const QString name = QString("preview: 1,000 characters, %1 at %2x")
                                     .arg(previewDisplays[display].name)
                                     .arg(scale);
            worst = std::max(worst, measure(qPrintable(name), [&] {
                preview.redraw();
                preview.view().repaint();
            }));
        }
    }
    std::printf("preview: %d lines, %d characters not in the font\n", preview.layout().lines,
        preview.layout().missing);
    return worst;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    std::printf("platform %s, font of %u glyphs of %d x %d, %d runs each\n",
        qPrintable(QGuiApplication::platformName()), glyphCount, glyphSide, glyphSide, runs);
    const double core = coreTransforms();

    QtUserDialogs dialogs;
    TMDIChild child(dialogs);
    child.setAttribute(Qt::WA_DeleteOnClose, false);
    child.takeFont(bench::fullFont());
    child.history().markSaved();
    TextPreviewSettings settings;
    settings.shown = true;
    child.useTextPreviewSettings(settings);
    child.resize(1200, 900);
    child.show();
    QApplication::processEvents();
    const double window = windowTransforms(child);
    const double preview = previewRedraws(child);

    std::printf("targets: transform and undo of every glyph < %.0f ms: core %s, window %s; "
                "preview of 1,000 characters < %.0f ms: %s\n",
        transformTarget, verdict(core, transformTarget), verdict(window, transformTarget),
        previewTarget, verdict(preview, previewTarget));
    return 0;
}
