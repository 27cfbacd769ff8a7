#pragma once

#include "editor/ExchangeCommand.h"

namespace tessellon {

// Paste: the clipboard's picture goes into the glyphs at the active child window's
// selection. Enabled while a child window is active and the clipboard holds a picture.
class EditPasteCommand final : public ExchangeCommand {
public:
    using ExchangeCommand::ExchangeCommand;

    void Execute() override;
    bool Update() const override;
};

} // namespace tessellon
