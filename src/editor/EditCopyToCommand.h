#pragma once

#include "shell/CommandContext.h"

namespace tessellon {

// Copy To: the selected glyphs go into a .bmp file that the user names; whatever
// extension the name has becomes .bmp. Enabled as Copy is.
class EditCopyToCommand final : public MainCommand {
public:
    explicit EditCopyToCommand(const CommandContext& context)
        : m_context(context)
    {
    }

    void Execute() override;
    bool Update() const override;

private:
    const CommandContext& m_context;
};

} // namespace tessellon
