#pragma once

#include "gui/CommandContext.h"

#include <QString>

namespace tessellon {

// File > Export as BDF...: writes the active child window's font as a BDF font, to a file
// the user chooses (".bdf" is added unless the name ends in it). The font itself, its name
// and its modified flag stay as they are.
class ExportBdfCommand final : public MainCommand {
public:
    explicit ExportBdfCommand(const CommandContext& context);

    void Execute() override;
    bool Update() const override;

    // The name the save dialog suggests for the font of fileName: the same folder and name
    // with .bdf instead of its extension.
    static QString suggestedName(const QString& fileName);

private:
    const CommandContext& m_context;
};

} // namespace tessellon
