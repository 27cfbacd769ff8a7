#pragma once

#include "document/GlyphChange.h"
#include "editor/FontHistory.h"
#include "editor/MDIChild.h"

namespace tessellon::test {

// Inverts a pixel of glyph 0 through the window's door, as Update would: the font is no
// longer as in its file. False when the window has no glyph 0.
inline bool changeFirstGlyph(TMDIChild& child)
{
    const FontLib& font = child.document().fontLib();
    if (!font.hasGlyph(0)) {
        return false;
    }
    GlyphRun run = copyGlyphs(font, 0, 1, false);
    run.pixels[0] ^= 0x80;
    return child.changeGlyphs({ { run } }, "Update");
}

} // namespace tessellon::test
