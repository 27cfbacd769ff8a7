#pragma once

#include "editor/ExchangeCommand.h"

namespace tessellon {

// Copy To: the selected glyphs go into a .bmp file that the user names; whatever
// extension the name has becomes .bmp. Enabled as Copy is.
class EditCopyToCommand final : public ExchangeCommand {
public:
    using ExchangeCommand::ExchangeCommand;

    void Execute() override;
    bool Update() const override;
};

} // namespace tessellon
