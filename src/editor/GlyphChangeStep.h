#pragma once

#include "document/FontDocument.h"

#include <QUndoCommand>

#include <cstdint>

namespace tessellon {

class FontHistory;

// One undoable change of a font's glyphs, made when the step is built. It keeps only the
// change that its next undo or redo applies: applying a change through the document gives
// back the one that reverses it.
class GlyphChangeStep final : public QUndoCommand {
public:
    GlyphChangeStep(FontHistory& history, FontDocument& document, GlyphChange undo,
        std::int64_t revisionBefore, std::int64_t revisionAfter, const QString& name);

    void undo() override;
    void redo() override;

private:
    void applyPending(std::int64_t revision);

    FontHistory& m_history;
    FontDocument& m_document;
    GlyphChange m_pending;
    std::int64_t m_revisionBefore;
    std::int64_t m_revisionAfter;
    // The stack redoes a step as it takes it; this one has been applied already.
    bool m_applied = true;
};

} // namespace tessellon
