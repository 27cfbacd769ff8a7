#pragma once

#include "shell/CommandContext.h"

namespace tessellon {

// Paste: the clipboard's picture goes into the glyphs at the active child window's
// selection. Enabled while a child window is active and the clipboard holds a picture.
class EditPasteCommand final : public MainCommand {
public:
    explicit EditPasteCommand(const CommandContext& context)
        : m_context(context)
    {
    }

    void Execute() override;
    bool Update() const override;

private:
    const CommandContext& m_context;
};

} // namespace tessellon
