#pragma once

#include "gui/CommandContext.h"

namespace tessellon {

// Glyph > Baseline...: asks how many rows of the active window's cell lie above the
// baseline and sets it as one undoable step. Enabled while a window shows a font.
class BaselineCommand final : public MainCommand {
public:
    explicit BaselineCommand(const CommandContext& context);

    void Execute() override;
    bool Update() const override;

private:
    const CommandContext& m_context;
};

} // namespace tessellon
