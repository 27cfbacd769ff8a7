#include "editor/PictureStep.h"

#include "editor/FontHistory.h"

namespace tessellon {

PictureStep::PictureStep(
    FontHistory& history, EditorState& editor, EditPicture before, const QString& name)
    : QUndoCommand(name)
    , m_history(history)
    , m_editor(editor)
    , m_other(std::move(before))
{
}

void PictureStep::undo() { swapPictures(); }

void PictureStep::redo()
{
    if (m_applied) {
        m_applied = false;
        return;
    }
    swapPictures();
}

void PictureStep::swapPictures()
{
    EditPicture shown = EditPicture::of(m_editor);
    m_other.putInto(m_editor);
    m_other = std::move(shown);
    m_history.notePictureRestored();
}

} // namespace tessellon
