#pragma once

#include "gui/CommandContext.h"

#include <QString>

namespace tessellon {

// File > Save Recipe...: writes the choices the active window's font was made with by
// File > New as a font recipe (NAME.tfont) that tessellon-cli build makes the font from
// again. Enabled when the active window's font was made by New.
class SaveRecipeCommand final : public MainCommand {
public:
    explicit SaveRecipeCommand(const CommandContext& context);

    void Execute() override;
    bool Update() const override;

    // The file chooser's filter of recipes.
    static inline const QString recipeFilter = QStringLiteral("Font recipes (*.tfont)|*.tfont");

    // The name offered for the recipe of the font in fileName: its name with .tfont.
    static QString suggestedName(const QString& fileName);

private:
    const CommandContext& m_context;
};

} // namespace tessellon
