#pragma once

#include "editor/EditPicture.h"

#include <QUndoCommand>

namespace tessellon {

class FontHistory;

// One undoable change of the pixel editor's picture, made before the step is built: undo
// and redo each swap the picture with the one the step keeps.
class PictureStep final : public QUndoCommand {
public:
    PictureStep(FontHistory& history, EditorState& editor, EditPicture before, const QString& name);

    void undo() override;
    void redo() override;

private:
    void swapPictures();

    FontHistory& m_history;
    EditorState& m_editor;
    EditPicture m_other;
    bool m_applied = true;
};

} // namespace tessellon
