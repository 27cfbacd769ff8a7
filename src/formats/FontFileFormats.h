#pragma once

#include "document/ByteSource.h"
#include "document/CellGeometry.h"
#include "document/FontLib.h"
#include "document/Result.h"

#include <cstdint>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

namespace tessellon {

class PictureCodec;

// Settings that some font file formats take beyond the file itself, given to every reader
// and writer; a format ignores what it does not use. The font pixel file takes none.
struct FontFileOptions {
    // Reading: the size of the cell that every glyph is placed in, instead of the one the
    // file gives (picture sheets give none and need it).
    std::optional<GlyphSize> cell;
    // Reading: where the top-left corner of each character's cell lies in the glyph,
    // instead of where the file's own metrics put it; (-3, 2) moves every character three
    // pixels left and two down.
    std::optional<CellOffset> offset;
    // Writing BDF: the rows above the baseline (default: the font's baseline, else the
    // glyph height).
    std::optional<int> ascent;
    // Writing picture sheets: glyphs per row.
    int columns = 32;
    // Reading picture sheets: the code of the first glyph, the next one per glyph after it;
    // without it the font has no code table.
    std::optional<std::uint16_t> firstCode;
    // Writing: once stop is requested (an interrupted command) the write stops, the file
    // stays as it was, and the writer fails.
    std::stop_token stop;
    // Reading and writing picture sheets: the codec of picture files, which a layer above the
    // core supplies (QtPictureCodec.h); without one, sheets are refused.
    const PictureCodec* pictures = nullptr;
};

// What a reader says about the font besides the font itself: what it left out or changed
// and why, one sentence each ("2 glyphs with codes above FFFF were skipped.").
using ReadNotes = std::vector<std::string>;

// Open and Save keep fonts in the program's own format; the other formats come in through
// Import and go out through the export commands, so that saving never rewrites a file of
// another program's format.
enum class FontFileUse { OpenAndSave, ImportAndExport };

// One font file format: what the file dialogs and the command line call it, the file name
// extensions that mark it, and how it is read and written (null where the program cannot).
struct FontFileFormat {
    using Reader
        = Result<FontLib> (*)(ByteSource& source, const FontFileOptions& options, ReadNotes& notes);
    // A reader that opens the file itself; its failures name the file.
    using FileReader = Result<FontLib> (*)(const std::string& path, const FontFileOptions& options);
    using Writer
        = Status (*)(const std::string& path, const FontLib& font, const FontFileOptions& options);

    std::string description;
    // Lower case, with the dot: ".pix". The files read; those written too, unless
    // writtenExtensions names fewer.
    std::vector<std::string> extensions;
    Reader read = nullptr;
    Writer write = nullptr;
    FontFileUse use = FontFileUse::OpenAndSave;
    FileReader readFile = nullptr;
    std::vector<std::string> writtenExtensions {};
    // What the file dialogs' filters call the format, when not its description.
    std::string filterName {};
    // Read and written through FontFileOptions::pictures.
    bool needsPictureCodec = false;

    bool canRead() const { return read != nullptr || readFile != nullptr; }
    bool canWrite() const { return write != nullptr; }
    // The extensions of the files written (none for a format that cannot be written).
    const std::vector<std::string>& extensionsWritten() const;
};

// Every format the program knows, its own font pixel file first.
std::span<const FontFileFormat> fontFileFormats();
const FontFileFormat& pixFileFormat();
const FontFileFormat& bdfFileFormat();
const FontFileFormat& pictureSheetFormat();

// The format that Open and Save use for a file name, ignoring case: the font pixel file for
// a name that names none of them, as files of any name have always been read and written
// as such.
const FontFileFormat& fontFileFormatFor(const std::string& path);
// The format of any use whose extension the name has, ignoring case; null for none.
const FontFileFormat* fontFileFormatNamed(const std::string& path);

// Reads or writes a font in the format Open and Save use for its name (fontFileFormatFor).
// Failures name the file and the reason.
Result<FontLib> readFontFile(const std::string& path, const FontFileOptions& options = {});
Status writeFontFile(
    const std::string& path, const FontLib& font, const FontFileOptions& options = {});

// Reads or writes a font in the given format, whatever the name; what the reader left out
// goes to notes.
Result<FontLib> readFontFileAs(const FontFileFormat& format, const std::string& path,
    const FontFileOptions& options, ReadNotes& notes);
Status writeFontFileAs(const FontFileFormat& format, const std::string& path, const FontLib& font,
    const FontFileOptions& options);

// The extension of the file's own name (from its last dot, dot included; empty without one),
// in lower case: "a/B.BDF" gives ".bdf".
std::string lowerCaseExtension(const std::string& path);

// File dialog filters, "description (patterns)|patterns|...": one format alone; for opening,
// every format Open reads followed by all files; for importing, every other readable format
// followed by all files.
std::string fontFileFilter(const FontFileFormat& format);
std::string fontOpenFilter();
std::string fontImportFilter();

// Fonts in and out of files of every format the program knows, chosen by the file name's
// extension: Import and the command line go through here. Picture sheets need
// options.pictures.

// Reads the font in path; what the reader left out goes to notes. A name of no format that
// can be read is refused with the extensions that can be read.
Result<FontLib> importFontFile(
    const std::string& path, const FontFileOptions& options, ReadNotes& notes);

// Writes font to path in the format its name gives; a name of no format that can be written
// is refused with the extensions that can.
Status exportFontFile(const std::string& path, const FontLib& font, const FontFileOptions& options);

} // namespace tessellon
