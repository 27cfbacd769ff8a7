#pragma once

#include "document/ByteSource.h"
#include "document/FontLib.h"
#include "document/Result.h"

#include <span>
#include <string>
#include <vector>

namespace tessellon {

// Settings that some font file formats take beyond the file itself, given to every reader
// and writer; a format ignores what it does not use. The font pixel file takes none.
struct FontFileOptions { };

// One font file format: what the file dialogs and the command line call it, the file name
// extensions that mark it, and how it is read and written (null where the program cannot).
struct FontFileFormat {
    using Reader = Result<FontLib> (*)(ByteSource& source, const FontFileOptions& options);
    using Writer
        = Status (*)(const std::string& path, const FontLib& font, const FontFileOptions& options);

    std::string description;
    // Lower case, with the dot: ".pix".
    std::vector<std::string> extensions;
    Reader read = nullptr;
    Writer write = nullptr;

    bool canRead() const { return read != nullptr; }
    bool canWrite() const { return write != nullptr; }
};

// Every format the program knows, its own font pixel file first.
std::span<const FontFileFormat> fontFileFormats();
const FontFileFormat& pixFileFormat();

// The format a file name's extension names, ignoring case; the font pixel file for a name
// that names none, as files of any name have always been read and written as such.
const FontFileFormat& fontFileFormatFor(const std::string& path);

// Reads or writes a font in the format its name gives (fontFileFormatFor). Failures name
// the file and the reason.
Result<FontLib> readFontFile(const std::string& path, const FontFileOptions& options = {});
Status writeFontFile(
    const std::string& path, const FontLib& font, const FontFileOptions& options = {});

// File dialog filters, "description (patterns)|patterns|...": one format alone, and for
// opening every readable format followed by all files.
std::string fontFileFilter(const FontFileFormat& format);
std::string fontOpenFilter();

} // namespace tessellon
