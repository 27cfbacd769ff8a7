#pragma once

#include "gui/CommandContext.h"

#include <memory>

namespace tessellon {

class TDlgPictureSheet;

// File > Import...: reads a BDF font, a Unifont .hex file or a picture sheet into a new
// child window. The font is untitled and modified, named after the file with .pix, so that
// Save asks where to keep it. What the reader left out is shown once the window is open.
class ImportFontCommand final : public MainCommand {
public:
    explicit ImportFontCommand(const CommandContext& context);
    ~ImportFontCommand() override;

    void Execute() override;

    // The dialog that asks how to read a picture sheet; made at its first use.
    TDlgPictureSheet& sheetDialog();

    // The name of the window of a font imported from path: its folder and name, with .pix
    // instead of its extension.
    static QString importedName(const QString& path);

private:
    const CommandContext& m_context;
    std::unique_ptr<TDlgPictureSheet> m_sheetDialog;
};

} // namespace tessellon
