#include "editor/FontHistory.h"

#include "editor/EditorState.h"
#include "editor/FontStep.h"
#include "editor/PictureStep.h"

namespace tessellon {

FontHistory::FontHistory(FontDocument& document, EditorState& editor, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_editor(editor)
    , m_font(document)
{
    m_stack.setUndoLimit(stepLimit);
}

Status FontHistory::changeGlyphs(const GlyphChange& change, const QString& name)
{
    const std::uint64_t before = m_font.position();
    if (const Status applied = m_font.changeGlyphs(change); !applied) {
        return applied;
    }
    pushFontStep(before, name);
    return {};
}

void FontHistory::pictureChanged(const EditPicture& before, const QString& name)
{
    if (before == EditPicture::of(m_editor)) {
        return;
    }
    // The stack forgets the steps undone before this one; so does the font's history.
    m_font.dropRedo();
    m_stack.push(new PictureStep(*this, m_editor, before, name));
}

Status FontHistory::changeBaseline(std::optional<int> rows, const QString& name)
{
    const std::uint64_t before = m_font.position();
    if (const Status set = m_font.changeBaseline(rows); !set) {
        return set;
    }
    if (pushFontStep(before, name)) {
        emit baselineChanged();
    }
    return {};
}

bool FontHistory::pushFontStep(std::uint64_t positionBefore, const QString& name)
{
    if (m_font.position() == positionBefore) {
        return false;
    }
    emit modifiedChanged(m_font.modified());
    m_stack.push(new FontStep(*this, name));
    return true;
}

void FontHistory::takeFont(FontLib font, FontOrigin origin)
{
    m_stack.clear();
    m_font.takeFont(std::move(font), origin);
    emit modifiedChanged(m_font.modified());
}

void FontHistory::markSaved()
{
    m_font.markSaved();
    emit modifiedChanged(false);
}

void FontHistory::undoFontStep()
{
    const std::optional<int> baseline = m_document.fontLib().baseline;
    m_font.undo();
    announce(baseline);
}

void FontHistory::redoFontStep()
{
    const std::optional<int> baseline = m_document.fontLib().baseline;
    m_font.redo();
    announce(baseline);
}

void FontHistory::announce(std::optional<int> baselineBefore)
{
    emit modifiedChanged(m_font.modified());
    if (m_document.fontLib().baseline != baselineBefore) {
        emit baselineChanged();
    }
}

} // namespace tessellon
