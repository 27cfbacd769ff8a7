#pragma once

#include "creation/NewFontSetUp.h"
#include "document/Result.h"

namespace tessellon {

class TMDIChild;
class TdlgProgress;

// The editor's way to run the font-making loop: draws a set-up font's glyphs on the
// rasteriser's worker while the progress dialog runs modally. The window follows the run, so
// that closing it, or the program, stops the rasteriser. Returns once the worker has stopped,
// also after Cancel: the loop's outcome (a drawer that could not begin). The window may be
// gone by then; the caller holds it by a QPointer and keeps the font the drawing fills.
Status drawWithProgress(NewFontDrawing drawing, TMDIChild& window, TdlgProgress& progress);

} // namespace tessellon
