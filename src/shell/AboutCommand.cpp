#include "shell/AboutCommand.h"

#include "gui/UserDialogs.h"
#include "shell/AboutBox.h"
#include "shell/ProgramVersion.h"

namespace tessellon {

AboutCommand::AboutCommand(const CommandContext& context)
    : m_context(context)
{
}

AboutCommand::~AboutCommand() = default;

void AboutCommand::Execute() { m_context.dialogs.runModal(aboutBox()); }

TAboutBox& AboutCommand::aboutBox()
{
    if (!m_aboutBox) {
        m_aboutBox = std::make_unique<TAboutBox>(programFileVersion());
    }
    return *m_aboutBox;
}

} // namespace tessellon
