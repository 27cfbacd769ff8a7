#include "creation/ProgressDrawing.h"

#include "creation/DlgProgress.h"
#include "creation/ThreadCreateFont.h"
#include "editor/MDIChild.h"

#include <QPointer>

namespace tessellon {

Status drawWithProgress(NewFontDrawing drawing, TMDIChild& window, TdlgProgress& progress)
{
    auto* worker = new ThreadCreateFont;
    worker->setDrawing(std::move(drawing));
    worker->setReleaseOnEnd(true);
    progress.follow(*worker);
    const std::shared_ptr<CreateFontRun> run = worker->runState();
    const QPointer<TMDIChild> making(&window);
    window.followMaking(run);
    worker->start();
    progress.exec();
    // After Cancel the rasteriser may still be drawing a glyph; it ends before the font is used.
    run->stopAndWait();
    if (making) {
        making->followMaking(nullptr);
    }
    return run->outcome();
}

} // namespace tessellon
