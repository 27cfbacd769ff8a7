#include "export/ExportCommand.h"

#include "document/PixFileName.h"
#include "editor/MDIChild.h"
#include "editor/UserDialogs.h"
#include "export/DlgExportLib.h"

namespace tessellon {

ExportCommand::ExportCommand(const CommandContext& context)
    : m_context(context)
{
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
    TDlgExportLib& dialog = m_context.forms.DlgExportLib;
    dialog.PrepareExport(outputFileName, document.fontLib(), fontFileName);
    m_context.dialogs.runModal(dialog);
    return true;
}

} // namespace tessellon
