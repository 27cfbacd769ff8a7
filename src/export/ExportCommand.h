#pragma once

#include "gui/CommandContext.h"

#include <QString>

#include <memory>

namespace tessellon {

class TDlgExportLib;

// The main window's Export command: the output file, then the export dialog (made the first
// time it is shown, then kept with what the user left in it) over the active child window's
// font. Enabled while a child window is active.
class ExportCommand final : public MainCommand {
public:
    static inline const QString outputFilter
        = QStringLiteral("C Source file (*.c)|*.c|Any file(*.*)|*.*");

    explicit ExportCommand(const CommandContext& context);
    ~ExportCommand() override;

    void Execute() override;
    bool Update() const override;

    // Asks for the output file and shows the export dialog modally over the window's font.
    // False when the file dialog was cancelled.
    bool ExportFont(TMDIChild& child);

    TDlgExportLib& dialog();

private:
    CommandContext m_context;
    std::unique_ptr<TDlgExportLib> m_dialog;
};

} // namespace tessellon
