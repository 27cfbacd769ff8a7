#pragma once

#include "document/ByteSource.h"
#include "document/FontLib.h"
#include "document/Result.h"
#include "formats/FontFileFormats.h"

namespace tessellon {

// Reads a BDF font (version 2.x). Every glyph's BBX is placed in one cell, its offsets
// from the origin and the baseline kept: by default the cell holds FONTBOUNDINGBOX, from
// FONT_ASCENT above the baseline to FONT_DESCENT below it, and the origin and each glyph's
// advance width across; options.cell and options.offset choose another (offset (0, 0) puts
// the origin on the cell's left edge and FONT_ASCENT on its top row).
//
// The font's baseline lies FONT_ASCENT rows below the cell's top when the file gives it
// (else the top of the bounding box), moved with the offset; it stays unknown when that is
// outside the cell.
//
// Codes come from ENCODING; glyphs without one (ENCODING -1) or with codes above FFFF are
// skipped, and notes say how many, and that advance widths (DWIDTH) were dropped when they
// differ from the cell's width. A font of the FontSpecific registry whose encodings are the
// glyphs' positions (as the BDF writer gives a font without codes) has no code table.
//
// Malformed input is refused with the line and the reason; nothing the file merely claims
// (CHARS, sizes) is allocated before the lines that hold it have been read.
Result<FontLib> readBdf(ByteSource& source, const FontFileOptions& options, ReadNotes& notes);

} // namespace tessellon
