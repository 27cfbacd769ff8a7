#pragma once

#include "gui/CommandContext.h"

namespace tessellon {

enum class HistoryDirection { Undo, Redo };

// Edit > Undo and Edit > Redo: one step back or forward in the active window's history.
class HistoryCommand final : public MainCommand {
public:
    HistoryCommand(const CommandContext& context, HistoryDirection direction);

    void Execute() override;
    bool Update() const override;

private:
    const CommandContext& m_context;
    HistoryDirection m_direction;
};

} // namespace tessellon
