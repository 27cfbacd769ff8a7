#pragma once

#include "creation/FaceFont.h"
#include "shell/CommandContext.h"

#include <QString>

#include <memory>

namespace tessellon {

class TdlgProgress;
struct Recipe;

// File > Open Recipe...: makes the font of a font recipe (NAME.tfont) as tessellon-cli build
// makes it (drawn from its outline face while the progress dialog runs, or taken from its
// bitmap font; its hand edits laid over it) and shows it in a new child window, unsaved.
// The window is named after the recipe's .pix overlay when it has one, so that File > Save
// writes the hand edits where build reads them; otherwise it is untitled, named after the
// recipe with .pix, and Save asks where to write it (so too when another window shows the
// overlay). Cancel in the progress dialog opens nothing. Always enabled.
class OpenRecipeCommand final : public MainCommand {
public:
    explicit OpenRecipeCommand(const CommandContext& context);
    ~OpenRecipeCommand() override;

    void Execute() override;

    // Makes and shows the font of the recipe at path; the window, or null when nothing was
    // opened (the user is told why, unless they cancelled).
    TMDIChild* openRecipe(const QString& path);

    // The name of the window of the recipe's font, and whether it is a file of its own.
    struct WindowName {
        QString name;
        bool untitled = true;
    };
    static WindowName windowNameOf(const Recipe& recipe);

    TdlgProgress& progress();

private:
    // A new window for the recipe's font, untitled when another window shows its file.
    TMDIChild* openWindowFor(const Recipe& recipe);
    bool isShown(const QString& path) const;
    // Draws on the rasteriser's worker while the progress dialog runs; sets cancelled when
    // the user pressed Cancel.
    NewFontDrawer drawerFor(TMDIChild& child, bool& cancelled);
    TMDIChild* makeFontIn(const Recipe& recipe);
    void tell(QWidget* owner, const std::string& message) const;

    const CommandContext& m_context;
    std::unique_ptr<TdlgProgress> m_progress;
};

} // namespace tessellon
