#include "editor/EditorState.h"

#include "document/PixelPicture.h"

#include <algorithm>

namespace tessellon {

EditorState::EditorState(const FontDocument& document)
    : m_document(document)
{
}

void EditorState::resetEditBuffer()
{
    editBuffer.assign(static_cast<std::size_t>(glyphWidth()) * glyphHeight(), 0);
    editGlyph.reset();
}

bool EditorState::LoadEditBuffer(std::uint32_t index)
{
    const FontLib& font = m_document.fontLib();
    if (!font.hasGlyph(index)) {
        return false;
    }
    editBuffer = unpackPicture(font.glyph(index), glyphWidth(), glyphHeight());
    editGlyph = index;
    return true;
}

GlyphChange EditorState::editBufferChange(std::uint32_t index) const
{
    if (!m_document.fontLib().hasGlyph(index) || !editBufferFits()) {
        return {};
    }
    return { { GlyphRun { index, 1, packPicture(editBuffer, glyphWidth(), glyphHeight()), {} } } };
}

bool EditorState::editBufferUnwritten() const
{
    if (!editBufferFits()) {
        return false;
    }
    const FontLib& font = m_document.fontLib();
    if (!editGlyph || !font.hasGlyph(*editGlyph)) {
        return std::find(editBuffer.begin(), editBuffer.end(), 1) != editBuffer.end();
    }
    // Pixels, not bytes: padding bits a file brought along are no part of the picture.
    return editBuffer != unpackPicture(font.glyph(*editGlyph), glyphWidth(), glyphHeight());
}

bool EditorState::editBufferFits() const
{
    return editBuffer.size() == static_cast<std::size_t>(glyphWidth()) * glyphHeight();
}

} // namespace tessellon
