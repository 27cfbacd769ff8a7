#pragma once

#include "document/ByteSource.h"
#include "document/FontLib.h"
#include "document/Result.h"
#include "formats/FontFileFormats.h"

namespace tessellon {

// Reads a GNU Unifont .hex file: one glyph a line, "CODE:DIGITS", the code in hexadecimal
// and the glyph's rows as 32 hex digits (8 x 16 pixels) or 64 (16 x 16); blank lines are
// passed over. The glyphs are 8 x 16 when every one is, else 16 x 16 with the narrow ones
// at the left; options.cell and options.offset choose another cell and where the glyphs
// lie in it. Glyphs with codes above FFFF are skipped, and a note says how many. Unifont's
// baseline lies under row 14 of its 16 (moved with the offset, unknown outside the cell).
// Malformed lines are refused with the line number and the reason.
Result<FontLib> readUnifontHex(
    ByteSource& source, const FontFileOptions& options, ReadNotes& notes);

} // namespace tessellon
