#pragma once

#include "gui/CommandContext.h"

#include <QString>

namespace tessellon {

// File > New: a new child window named "NONAME" followed by the number of open child
// windows + 1 (NONAME1 when none is open), which makes its font through the new-font
// dialog. Always enabled.
class NewCommand final : public MainCommand {
public:
    explicit NewCommand(const CommandContext& context);

    void Execute() override;

    // The name the next new font gets.
    QString newFontName() const;

private:
    const CommandContext& m_context;
};

} // namespace tessellon
