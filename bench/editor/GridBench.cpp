// Opens a font of 65,536 glyphs of 16 x 16 in the editor and times, on the platform that
// QT_QPA_PLATFORM names:
//   - the Open command up to the end of the grid's first paint, in the child window's
//     opening size and then maximised;
//   - a full repaint of the grid at every scroll position from top to bottom, and the
//     scroll step itself (scroll, then paint what it uncovered) as a user gets it.
// Prints the figures; it is not a test.

#include "FullFont.h"
#include "document/FontLib.h"
#include "document/PixWriter.h"
#include "editor/GlyphGrid.h"
#include "editor/MDIChild.h"
#include "gui/QtUserDialogs.h"
#include "shell/MainForm.h"
#include "shell/Program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tessellon;

namespace {

constexpr std::uint32_t glyphCount = bench::fullGlyphCount;
constexpr int glyphSide = bench::fullGlyphSide;

// Notes when a widget has received a paint event.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

// Also notes what the widget was asked to paint.
class RegionWatch final : public PaintWatch {
public:
    QRegion region;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            region += static_cast<QPaintEvent*>(event)->region();
        }
        return PaintWatch::eventFilter(watched, event);
    }
};

double milliseconds(qint64 nanoseconds) { return static_cast<double>(nanoseconds) / 1e6; }

void printSpread(const char* what, std::vector<qint64> times)
{
    std::sort(times.begin(), times.end());
    const auto at = [&](double share) {
        return milliseconds(times[static_cast<std::size_t>(share * (times.size() - 1))]);
    };
    std::printf("%-34s n=%zu  min %.2f  median %.2f  p95 %.2f  max %.2f ms\n", what, times.size(),
        at(0), at(0.5), at(0.95), at(1));
}

void waitUntilPainted(PaintWatch& watch)
{
    while (!watch.painted) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

int visibleCells(GlyphGrid& grid)
{
    const int rows = grid.viewport()->height() / grid.rowHeight(0) + 1;
    const int columns = std::min(32, grid.viewport()->width() / grid.columnWidth(0) + 1);
    return rows * columns;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath("full.pix");
    if (!writePixFile(QFile::encodeName(path).toStdString(), bench::fullFont())) {
        std::fputs("editor_grid_bench: cannot write the font\n", stderr);
        return 1;
    }

    QtUserDialogs dialogs;
    Program program(dialogs);
    TMainForm& form = program.MainForm();
    form.resize(1280, 900);
    form.show();
    while (!form.windowHandle() || !form.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QApplication::processEvents();

    std::printf("platform %s, font of %u glyphs of %d x %d\n",
        qPrintable(QGuiApplication::platformName()), glyphCount, glyphSide, glyphSide);

    QElapsedTimer clock;
    clock.start();
    TMDIChild* child = form.OpenOrCreate(path);
    if (!child) {
        std::fputs("editor_grid_bench: cannot open the font\n", stderr);
        return 1;
    }
    const qint64 opened = clock.nsecsElapsed();
    GlyphGrid& grid = child->gridFontLib();
    PaintWatch firstPaint;
    grid.viewport()->installEventFilter(&firstPaint);
    waitUntilPainted(firstPaint);
    const qint64 painted = clock.nsecsElapsed();
    std::printf("open (read, grid and editor set-up)  %.2f ms\n", milliseconds(opened));
    std::printf("open to first grid paint             %.2f ms   (%d cells on screen)\n",
        milliseconds(painted), visibleCells(grid));

    PaintWatch maximisedPaint;
    grid.viewport()->installEventFilter(&maximisedPaint);
    clock.restart();
    child->showMaximized();
    waitUntilPainted(maximisedPaint);
    std::printf("maximise to first grid paint         %.2f ms   (%d cells on screen)\n",
        milliseconds(clock.nsecsElapsed()), visibleCells(grid));
    QApplication::processEvents();

    QScrollBar& bar = *grid.verticalScrollBar();
    std::vector<qint64> repaints;
    std::vector<qint64> steps;
    for (int value = bar.minimum(); value <= bar.maximum(); ++value) {
        clock.restart();
        bar.setValue(value);
        QApplication::processEvents();
        steps.push_back(clock.nsecsElapsed());
        clock.restart();
        grid.viewport()->repaint();
        repaints.push_back(clock.nsecsElapsed());
    }
    printSpread("full grid repaint, top to bottom", repaints);
    printSpread("scroll step by one row, with paint", steps);
    // Update writes one glyph: only its cell may be drawn again.
    grid.scrollToTop();
    grid.selectCells({ 5, 3, 5, 3 });
    QApplication::processEvents();
    std::vector<qint64> updates;
    QRegion updated;
    for (int run = 0; run < 50; ++run) {
        RegionWatch updatePaint;
        grid.viewport()->installEventFilter(&updatePaint);
        clock.restart();
        child->spdUpdateClick();
        waitUntilPainted(updatePaint);
        updates.push_back(clock.nsecsElapsed());
        updated += updatePaint.region;
    }
    printSpread("Update of one glyph, with paint", updates);
    const QRect cell = grid.cellRect(5, 3);
    std::printf("Update repaints %d x %d pixels (one cell is %d x %d; the grid shows %d x %d)\n",
        updated.boundingRect().width(), updated.boundingRect().height(), cell.width(),
        cell.height(), grid.viewport()->width(), grid.viewport()->height());

    const auto worst = *std::max_element(repaints.begin(), repaints.end());
    std::printf("targets: open to first paint < 150 ms: %s; every full repaint < 16 ms: %s\n",
        milliseconds(painted) < 150 ? "met" : "MISSED",
        milliseconds(worst) < 16 ? "met" : "MISSED");
    return 0;
}
