#pragma once

#include "editor/ChildExchange.h"
#include "gui/CommandContext.h"

#include <optional>

namespace tessellon {

// What the four glyph exchange commands (Copy, Paste, Copy To, Paste from) share: they act
// on the active child window's glyph exchange.
class ExchangeCommand : public MainCommand {
public:
    explicit ExchangeCommand(const CommandContext& context)
        : m_context(context)
    {
    }

protected:
    // The glyph exchange of the active child window; none while no child window is active.
    std::optional<ChildExchange> activeExchange() const;
    // The active child window has glyphs selected.
    bool hasGlyphSelection() const;

    const CommandContext& m_context;
};

} // namespace tessellon
