#include "editor/FontHistory.h"

#include "editor/BaselineStep.h"
#include "editor/GlyphChangeStep.h"
#include "editor/PictureStep.h"

namespace tessellon {

FontHistory::FontHistory(FontDocument& document, QObject* parent)
    : QObject(parent)
    , m_document(document)
{
    m_stack.setUndoLimit(stepLimit);
}

Status FontHistory::changeGlyphs(const GlyphChange& change, const QString& name)
{
    Result<GlyphChange> undo = m_document.replaceGlyphs(change);
    if (!undo) {
        return failure(undo.message());
    }
    if (change.empty()) {
        return {};
    }
    // A revision names the glyphs after this step; it is never reused, so a state that was
    // saved and then undone and replaced by other steps is never taken for the saved one.
    const std::int64_t before = m_revision;
    const std::int64_t after = ++m_lastRevision;
    glyphsAt(after);
    m_stack.push(
        new GlyphChangeStep(*this, m_document, std::move(undo).value(), before, after, name));
    return {};
}

void FontHistory::pictureChanged(const EditPicture& before, const QString& name)
{
    if (before == EditPicture::of(m_document)) {
        return;
    }
    m_stack.push(new PictureStep(*this, m_document, before, name));
}

Status FontHistory::changeBaseline(std::optional<int> rows, const QString& name)
{
    const std::optional<int> before = m_document.fontLib.baseline;
    if (rows == before) {
        return {};
    }
    if (const Status set = m_document.setBaseline(rows); !set) {
        return set;
    }
    const std::int64_t revisionBefore = m_revision;
    const std::int64_t after = ++m_lastRevision;
    glyphsAt(after);
    emit baselineChanged();
    m_stack.push(new BaselineStep(*this, { before, revisionBefore }, { rows, after }, name));
    return {};
}

void FontHistory::baselineAt(std::optional<int> rows, std::int64_t revision)
{
    // A baseline that fitted the cell once fits it again: the cell keeps its size.
    if (m_document.setBaseline(rows)) {
        glyphsAt(revision);
        emit baselineChanged();
    }
}

void FontHistory::startFont(bool saved)
{
    m_stack.clear();
    m_revision = ++m_lastRevision;
    m_savedRevision = saved ? m_revision : neverSaved;
    setModified(!saved);
}

void FontHistory::markSaved()
{
    m_savedRevision = m_revision;
    setModified(false);
}

void FontHistory::glyphsAt(std::int64_t revision)
{
    m_revision = revision;
    setModified(m_revision != m_savedRevision);
}

void FontHistory::setModified(bool modified)
{
    m_document.modified = modified;
    emit modifiedChanged(modified);
}

} // namespace tessellon
