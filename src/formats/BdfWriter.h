#pragma once

#include "document/FontLib.h"
#include "document/Result.h"
#include "formats/FontFileFormats.h"

#include <string>

namespace tessellon {

// The BDF 2.1 text of a font: one cell-sized BBX per glyph, FONT_ASCENT rows above the
// baseline (options.ascent, by default the font's baseline, else the glyph height) and
// FONT_DESCENT the rest,
// ENCODING from the code table (the glyph's index when there is none, under the
// FontSpecific registry), and an XLFD name of the family given. Refused when the ascent
// does not fit the glyph height or the font's arrays do not match its size.
Result<std::string> formatBdf(
    const FontLib& font, const std::string& family, const FontFileOptions& options);

// The family name of a font written to path: the file's own name without its extension,
// with what an XLFD name cannot hold ('-', '?', '*', ',', '"', anything outside printable
// ASCII) turned into '_'.
std::string bdfFamilyFor(const std::string& path);

// The name a chosen export name becomes: ".bdf" is appended unless the file's own name ends
// in it (in any case): font -> font.bdf, font.pix -> font.pix.bdf, FONT.BDF stays.
std::string withBdfExtension(const std::string& chosenName);

// Writes formatBdf of font, its family named after the file, as the file at path; the old
// file stays untouched unless the new one was written in full.
Status writeBdfFile(const std::string& path, const FontLib& font, const FontFileOptions& options);

} // namespace tessellon
