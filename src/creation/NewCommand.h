#pragma once

#include "creation/GlyphDrawing.h"
#include "document/FontLib.h"
#include "shell/CommandContext.h"

#include <QString>

#include <memory>

namespace tessellon {

class TDlgNewFont;
class TMDIChild;
class TdlgProgress;

// File > New: a new child window named "NONAME" followed by the number of open child
// windows + 1 (NONAME1 when none is open), which makes its font through the new-font
// dialog. Always enabled. The command owns the new-font dialog and the progress dialog,
// made when first used and kept for the whole run, so they keep what the user left in them.
class NewCommand final : public MainCommand {
public:
    explicit NewCommand(const CommandContext& context);
    ~NewCommand() override;

    void Execute() override;

    // The name the next new font gets.
    QString newFontName() const;

    // Makes a new font for the fresh window under the name: the new-font dialog, then the
    // glyph rasteriser while the progress dialog runs. False when the user cancelled the
    // new-font dialog; the caller closes the window then. When one of the dialog's numbers
    // cannot be used the user is told why and the window stays open without a font; when
    // the character set or the face cannot be used the user is told why and the font is made
    // all the same, empty. A font made, also one cancelled half-way, counts as modified, and
    // the window keeps the dialog's choices for File > Save Recipe.
    bool makeFont(TMDIChild& window, const QString& name);

    TDlgNewFont& dialog();
    TdlgProgress& progress();

private:
    // The font of the glyphs drawn with params from the dialog's character set; empty,
    // after telling the user why, when the set-up is refused.
    FontLib drawFont(TMDIChild& window, const GlyphDrawingParams& params);

    const CommandContext& m_context;
    std::unique_ptr<TDlgNewFont> m_dialog;
    std::unique_ptr<TdlgProgress> m_progress;
};

} // namespace tessellon
