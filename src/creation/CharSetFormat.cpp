#include "creation/CharSetFormat.h"

#include <array>

namespace tessellon {

CharSetForm charSetFormOf(const std::uint8_t* firstBytes, std::uint64_t size)
{
    if (size >= utf16MarkSize && firstBytes[0] == utf16Mark0 && firstBytes[1] == utf16Mark1) {
        return CharSetForm::Utf16;
    }
    return CharSetForm::EightBit;
}

std::uint64_t charSetGlyphCount(CharSetForm form, std::uint64_t size)
{
    return form == CharSetForm::Utf16 ? size / 2 - 1 : size;
}

CharSetMeasure measureCharSet(ByteSource& source)
{
    CharSetMeasure measure;
    measure.totalBytes = source.size();
    std::array<std::uint8_t, utf16MarkSize> mark {};
    const bool haveMark = source.readAt(0, mark);
    measure.form = charSetFormOf(mark.data(), haveMark ? mark.size() : 0);
    measure.glyphCount = charSetGlyphCount(measure.form, measure.totalBytes);
    return measure;
}

Result<OpenCharSet> openCharSetFile(const std::string& path)
{
    auto file = FileByteSource::open(path);
    if (!file) {
        return failure("Cannot open file " + path + ": " + file.message());
    }
    OpenCharSet charSet { std::move(*file), {} };
    charSet.measure = measureCharSet(*charSet.source);
    return charSet;
}

} // namespace tessellon
