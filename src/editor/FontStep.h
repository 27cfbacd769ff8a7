#pragma once

#include <QUndoCommand>

namespace tessellon {

class FontHistory;

// One step of the font's own history (GlyphHistory: a change of glyphs or of the baseline)
// on the window's undo stack, made when the step is built: undo and redo hand over to the
// history, which keeps what the step changed.
class FontStep final : public QUndoCommand {
public:
    FontStep(FontHistory& history, const QString& name);

    void undo() override;
    void redo() override;

private:
    FontHistory& m_history;
    // The stack redoes a step as it takes it; this one has been applied already.
    bool m_applied = true;
};

} // namespace tessellon
