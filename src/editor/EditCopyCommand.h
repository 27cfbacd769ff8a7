#pragma once

#include "editor/ExchangeCommand.h"

namespace tessellon {

// Copy: the selected glyphs go to the clipboard as one picture. Enabled while the
// active child window has glyphs selected.
class EditCopyCommand final : public ExchangeCommand {
public:
    using ExchangeCommand::ExchangeCommand;

    void Execute() override;
    bool Update() const override;
};

} // namespace tessellon
