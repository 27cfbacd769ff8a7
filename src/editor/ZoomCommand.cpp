#include "editor/ZoomCommand.h"

#include "editor/MDIChild.h"

namespace tessellon {

ZoomCommand::ZoomCommand(const CommandContext& context, ZoomTarget target, int steps)
    : m_context(context)
    , m_target(target)
    , m_steps(steps)
{
}

void ZoomCommand::Execute()
{
    TMDIChild* child = m_context.windows.activeChild();
    if (!child) {
        return;
    }
    if (m_target == ZoomTarget::PixelEditor) {
        child->zoomEditor(m_steps);
    } else {
        child->scaleGrid(m_steps);
    }
}

bool ZoomCommand::Update() const
{
    const TMDIChild* child = m_context.windows.activeChild();
    if (!child) {
        return false;
    }
    return m_target == ZoomTarget::PixelEditor ? child->canZoomEditor(m_steps)
                                               : child->canScaleGrid(m_steps);
}

} // namespace tessellon
