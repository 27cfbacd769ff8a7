#pragma once

#include "cli/CliCommand.h"
#include "cli/MakeArguments.h"
#include "creation/CreateFontRun.h"
#include "creation/FaceFont.h"
#include "creation/FreeTypeGlyphDrawer.h"
#include "document/Result.h"

#include <optional>

namespace tessellon::cli {

// The command line's way to run the font-making loop: on threads glyph drawers (one a
// processor core by default), each glyph taken on the calling thread and shown by a progress
// bar on a terminal's standard error. A stop request of run ends it, refused.
NewFontDrawer commandLineDrawer(std::optional<unsigned> threads, CreateFontRun& run, CliStreams io);

// The font file the glyphs would be drawn from.
Result<FontFaceFile> fontFaceOf(const FaceFontRequest& request);

} // namespace tessellon::cli
