#include "editor/ExchangeCommand.h"

namespace tessellon {

std::optional<ChildExchange> ExchangeCommand::activeExchange() const
{
    if (TMDIChild* child = m_context.windows.activeChild()) {
        return ChildExchange(*child, m_context.dialogs);
    }
    return std::nullopt;
}

bool ExchangeCommand::hasGlyphSelection() const
{
    const std::optional<ChildExchange> exchange = activeExchange();
    return exchange && exchange->HasGlyphSelection();
}

} // namespace tessellon
