#include "export/ExportCommand.h"

#include "document/PixFileName.h"
#include "editor/MDIChild.h"
#include "export/DlgExportLib.h"
#include "gui/UserDialogs.h"

namespace tessellon {

ExportCommand::ExportCommand(const CommandContext& context)
    : m_context(context)
{
}

ExportCommand::~ExportCommand() = default;

TDlgExportLib& ExportCommand::dialog()
{
    if (!m_dialog) {
        m_dialog = std::make_unique<TDlgExportLib>(
            m_context.dialogs, TDlgExportLib::programScriptFile());
    }
    return *m_dialog;
}

void ExportCommand::Execute()
{
    if (TMDIChild* child = m_context.windows.activeChild()) {
        ExportFont(*child);
    }
}

bool ExportCommand::Update() const { return m_context.windows.activeChild() != nullptr; }

bool ExportCommand::ExportFont(TMDIChild& child)
{
    // The name is used as chosen: no extension is added, and an existing file is replaced.
    const QString outputFileName = m_context.dialogs.chooseFileToSave(&child, outputFilter);
    if (outputFileName.isEmpty()) {
        return false;
    }
    const FontDocument& document = child.document();
    const QString fontFileName = isUntitledName(document.fileName) ? QString() : child.fileName();
    TDlgExportLib& exportDialog = dialog();
    exportDialog.PrepareExport(outputFileName, document.fontLib(), fontFileName);
    m_context.dialogs.runModal(exportDialog);
    return true;
}

} // namespace tessellon
