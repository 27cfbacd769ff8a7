#pragma once

#include "shell/CommandContext.h"

namespace tessellon {

// Copy: the selected glyphs go to the clipboard as one picture. Enabled while
// the active child window has a glyph selection.
class EditCopyCommand final : public MainCommand {
public:
    explicit EditCopyCommand(const CommandContext& context)
        : m_context(context)
    {
    }

    void Execute() override;
    bool Update() const override;

private:
    const CommandContext& m_context;
};

} // namespace tessellon
