#pragma once

#include "editor/ExchangeCommand.h"

namespace tessellon {

// Paste from: a picture file that the user chooses goes into the glyphs at the
// selection. Enabled while a child window is active.
class EditPasteFromCommand final : public ExchangeCommand {
public:
    using ExchangeCommand::ExchangeCommand;

    void Execute() override;
    bool Update() const override;
};

} // namespace tessellon
