#pragma once

#include "cli/CliCommand.h"
#include "cli/MakeArguments.h"
#include "creation/CreateFontRun.h"
#include "creation/FreeTypeGlyphDrawer.h"
#include "creation/MissingCharacters.h"
#include "document/FontLib.h"
#include "document/Result.h"

#include <string>

namespace tessellon::cli {

// A font as `make` makes it, before it is written.
struct MadeFont {
    FontLib font;
    std::string family; // the family the glyphs were drawn with, as Qt names it
    FontFaceFile face; // the font file of that face
    MissingCharacters missing; // the characters of the set that face lacks
};

// What `make` does but for writing the font (arguments.output is not used): the character
// set chosen, the family resolved, the characters the face lacks listed (refused with
// --strict), every glyph drawn on a thread a core. A stop request of run ends it, refused.
Result<MadeFont> makeFontInMemory(
    const MakeArguments& arguments, CreateFontRun& run, CliStreams io);

// The font file the glyphs would be drawn from.
Result<FontFaceFile> fontFaceOf(const MakeArguments& arguments);

} // namespace tessellon::cli
