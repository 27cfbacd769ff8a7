#pragma once

#include "creation/FaceFontRequest.h"
#include "creation/FreeTypeGlyphDrawer.h"
#include "creation/GlyphDrawing.h"
#include "creation/MissingCharacters.h"
#include "creation/NewFontSetUp.h"
#include "creation/TemporaryCharSetFile.h"
#include "document/FontLib.h"
#include "document/Result.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessellon {

// A font drawn from an outline face, before it is written or shown.
struct FaceFont {
    FontLib font;
    std::string family; // the family the glyphs were drawn with, as Qt names it
    FontFaceFile face; // the font file of that face
    MissingCharacters missing; // the characters of the set that face lacks
    // When the family asked for is none installed: which one the system drew with instead.
    std::optional<std::string> substitution;
};

// The character-set file a request draws: the one given (found as a shipped set too), or a
// temporary one written from its codes or ranges, which are refused before anything is made
// from them when they give more codes than a font may hold. warnings receives what the
// ranges leave out.
struct FaceCharSet {
    std::string path;
    TemporaryCharSetFile temporary;
};
Result<FaceCharSet> chooseFaceCharSet(
    const FaceFontRequest& request, std::vector<std::string>& warnings);

// How the glyphs of a request are drawn: the family given, or that of the font file given
// (loaded into Qt's font database), at the request's size and style. Call it on the GUI
// thread.
Result<GlyphDrawingParams> faceDrawingParams(const FaceFontRequest& request);

// The caller's way to run the font-making loop over a set-up font: on its own thread (the
// command line) or on the rasteriser's worker with the progress dialog (the editor).
using NewFontDrawer = std::function<Status(NewFontDrawing& drawing)>;

// A font drawn from a face as make draws it: set up (setUpNewFont), the characters the face
// lacks listed (refused with request.strict), the request's baseline kept, every glyph drawn
// by draw. Call it on the GUI thread; a stop request of draw's run leaves glyphs blank.
Result<FaceFont> makeFaceFont(
    const FaceFontRequest& request, const std::string& charSetPath, const NewFontDrawer& draw);

} // namespace tessellon
