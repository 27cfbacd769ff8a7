#include "editor/PictureStep.h"

#include "editor/FontHistory.h"

namespace tessellon {

PictureStep::PictureStep(
    FontHistory& history, FontDocument& document, EditPicture before, const QString& name)
    : QUndoCommand(name)
    , m_history(history)
    , m_document(document)
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
    EditPicture shown = EditPicture::of(m_document);
    m_other.putInto(m_document);
    m_other = std::move(shown);
    m_history.notePictureRestored();
}

} // namespace tessellon
