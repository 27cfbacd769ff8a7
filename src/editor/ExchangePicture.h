#pragma once

#include "document/FontLib.h"
#include "document/GlyphChange.h"
#include "document/Result.h"
#include "document/TileWalk.h"
#include "editor/GridCells.h"

#include <QImage>

class QByteArray;
class QString;

namespace tessellon {

// The pictures that blocks of glyphs are exchanged in, as QImages: made from a font's
// glyphs, read from files and from the clipboard's bytes, written to files. Every picture
// comes back as Format_RGB32, whatever it was read from.

// The largest picture file read.
inline constexpr qint64 maxPictureFileBytes = qint64 { 256 } << 20;

// Decodes a picture in any format Qt reads (decodePicture). Its size is read first and a
// picture larger than the exchange takes is refused before it is decoded; a damaged or
// truncated one is refused too. Pixels that are not wholly opaque are laid over white, so that only
// what shows as black counts as ink.
Result<QImage> readExchangePicture(const QByteArray& bytes);
// The same for a file, which must be a regular file of at most maxPictureFileBytes bytes; it
// is read as it is decoded.
Result<QImage> readExchangePictureFile(const QString& path);
// The same checks for a picture that is already decoded.
Result<QImage> exchangePicture(const QImage& decoded);

// The picture of the selected cells: each glyph black on white in its cell's tile, white
// tiles for cells past the last glyph. Refused when the picture would be too large.
Result<QImage> copyPicture(const FontLib& font, const GridRect& cells);
// The block that picture pastes at the selected cells (pasteBlock).
TileBlock pasteBlockOf(const FontLib& font, const GridRect& cells, const QImage& picture);
// What pasting picture as block makes of the glyphs there (changeFromBlock).
GlyphChange pasteChange(const FontLib& font, const TileBlock& block, const QImage& picture);

// Writes picture to path in the format the name's extension gives (BMP without one, and
// 24 bits a pixel for .bmp), replacing the file only once the whole picture is written.
Status writeExchangePicture(const QImage& picture, const QString& path);

} // namespace tessellon
