#include "creation/NewCommand.h"

namespace tessellon {

NewCommand::NewCommand(const CommandContext& context)
    : m_context(context)
{
}

QString NewCommand::newFontName() const
{
    return "NONAME" + QString::number(m_context.windows.childWindows().size() + 1);
}

void NewCommand::Execute() { m_context.windows.OpenOrCreate(newFontName()); }

} // namespace tessellon
