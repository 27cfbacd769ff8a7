#include "editor/TransformCommand.h"

#include "editor/MDIChild.h"

namespace tessellon {

TransformCommand::TransformCommand(const CommandContext& context, GlyphTransform transform)
    : m_context(context)
    , m_transform(transform)
{
}

void TransformCommand::Execute()
{
    if (TMDIChild* child = m_context.windows.activeChild()) {
        child->transform(m_transform);
    }
}

bool TransformCommand::Update() const
{
    const TMDIChild* child = m_context.windows.activeChild();
    return child && child->canTransform();
}

} // namespace tessellon
