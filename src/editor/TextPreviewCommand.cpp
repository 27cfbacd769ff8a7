#include "editor/TextPreviewCommand.h"

#include "editor/MDIChild.h"
#include "editor/TextPreviewSettings.h"

namespace tessellon {

TextPreviewCommand::TextPreviewCommand(const CommandContext& context, TextPreviewSettings& settings)
    : m_context(context)
    , m_settings(settings)
{
}

void TextPreviewCommand::Execute()
{
    m_settings.shown = !m_settings.shown;
    for (TMDIChild* child : m_context.windows.childWindows()) {
        child->showTextPreview(m_settings.shown);
    }
}

} // namespace tessellon
