#pragma once

#include "shell/CommandContext.h"

namespace tessellon {

// Paste from: a picture file that the user chooses goes into the glyphs at the
// selection. Enabled while a child window is active.
class EditPasteFromCommand final : public MainCommand {
public:
    explicit EditPasteFromCommand(const CommandContext& context)
        : m_context(context)
    {
    }

    void Execute() override;
    bool Update() const override;

private:
    const CommandContext& m_context;
};

} // namespace tessellon
