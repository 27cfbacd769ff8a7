#include "shell/MainActions.h"

#include "editor/Hint.h"
#include "shell/MenuPictures.h"

#include <QAction>
#include <QApplication>
#include <QStyle>

namespace tessellon {

namespace {

    struct ActionText {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        const char* hint;
    };

    QAction* makeAction(QObject* owner, const ActionText& text)
    {
        auto* action = new QAction(QString::fromLatin1(text.caption), owner);
        action->setObjectName(text.name);
        action->setShortcut(text.shortcut);
        if (text.hint) {
            applyHint(*action, QString::fromLatin1(text.hint));
        }
        return action;
    }

    QIcon standardIcon(const char* themeName, QStyle::StandardPixmap fallback)
    {
        return QIcon::fromTheme(themeName, QApplication::style()->standardIcon(fallback));
    }

    QIcon themeIcon(const char* themeName, MenuPicture fallback)
    {
        return QIcon::fromTheme(themeName, menuPicture(fallback));
    }

} // namespace

MainActions::MainActions(QObject* owner)
    : FileNew1(
        makeAction(owner, { "FileNew1", "&New", Qt::CTRL | Qt::Key_N, "New|Create a new file" }))
    , FileOpen1(
          makeAction(owner, { "FileOpen1", "&Open", Qt::CTRL | Qt::Key_O, "Open|Open a file" }))
    , FileClose1(makeAction(owner, { "FileClose1", "&Close", {}, "Close|Close current file" }))
    , FileSave1(makeAction(
          owner, { "FileSave1", "&Save", Qt::CTRL | Qt::Key_S, "Save|Save current file" }))
    , FileSaveAs1(makeAction(owner,
          { "FileSaveAs1", "Save &As...", {}, "Save As|Save current file with different name" }))
    , FileExport1(makeAction(owner,
          { "FileExport1", "Ex&port...", Qt::CTRL | Qt::Key_P,
              "Export|export pixel font into c source file" }))
    , FileExit1(makeAction(owner, { "FileExit1", "E&xit", {}, "Exit|Exit application" }))
    , EditCut1(makeAction(owner,
          { "EditCut1", "Cu&t", Qt::CTRL | Qt::Key_X,
              "Cut|Cuts the selection and puts it on the Clipboard" }))
    , EditCopy1(makeAction(owner,
          { "EditCopy1", "&Copy", Qt::CTRL | Qt::Key_C,
              "Copy|Copies the selection and puts it on the Clipboard" }))
    , EditPaste1(makeAction(owner,
          { "EditPaste1", "&Paste", Qt::CTRL | Qt::Key_V, "Paste|Inserts Clipboard contents" }))
    , WindowCascade1(makeAction(owner, { "WindowCascade1", "&Cascade", {}, "Cascade" }))
    , WindowTileHorizontal1(makeAction(
          owner, { "WindowTileHorizontal1", "Tile &Horizontally", {}, "Tile Horizontally" }))
    , WindowTileVertical1(
          makeAction(owner, { "WindowTileVertical1", "Tile &Vertically", {}, "Tile Vertically" }))
    , WindowMinimizeAll1(
          makeAction(owner, { "WindowMinimizeAll1", "&Minimize All", {}, "Minimize All" }))
    , WindowArrangeAll1(
          makeAction(owner, { "WindowArrangeAll1", "&Arrange All", {}, "Arrange All" }))
    , HelpAbout1(makeAction(owner,
          { "HelpAbout1", "&About...", {},
              "About|Displays program information, version number, and copyright" }))
    , EditCopyTo(makeAction(owner, { "EditCopyTo", "Copy To ...", {}, nullptr }))
    , EditPasteFrom(makeAction(owner, { "EditPasteFrom", "Paste from ...", {}, nullptr }))
    , HelpHelp1(makeAction(owner, { "HelpHelp1", "&Help", {}, nullptr }))
    , EditUndo1(makeAction(
          owner, { "EditUndo1", "&Undo", Qt::CTRL | Qt::Key_Z, "Undo|Undoes the last change" }))
    , EditRedo1(makeAction(owner,
          { "EditRedo1", "&Redo", Qt::CTRL | Qt::Key_Y, "Redo|Redoes the last undone change" }))
    , GlyphShiftUp1(makeAction(owner,
          { "GlyphShiftUp1", "Shift &Up", {},
              "Shift Up|Moves the selected glyphs or the edited picture one pixel up" }))
    , GlyphShiftDown1(makeAction(owner,
          { "GlyphShiftDown1", "Shift &Down", {},
              "Shift Down|Moves the selected glyphs or the edited picture one pixel down" }))
    , GlyphShiftLeft1(makeAction(owner,
          { "GlyphShiftLeft1", "Shift &Left", {},
              "Shift Left|Moves the selected glyphs or the edited picture one pixel left" }))
    , GlyphShiftRight1(makeAction(owner,
          { "GlyphShiftRight1", "Shift &Right", {},
              "Shift Right|Moves the selected glyphs or the edited picture one pixel right" }))
    , GlyphFlipHorizontally1(makeAction(owner,
          { "GlyphFlipHorizontally1", "Flip &Horizontally", {},
              "Flip Horizontally|Mirrors the selected glyphs or the edited picture left to "
              "right" }))
    , GlyphFlipVertically1(makeAction(owner,
          { "GlyphFlipVertically1", "Flip &Vertically", {},
              "Flip Vertically|Mirrors the selected glyphs or the edited picture top to bottom" }))
    , GlyphInvert1(makeAction(owner,
          { "GlyphInvert1", "&Invert", {},
              "Invert|Swaps ink and background in the selected glyphs or the edited picture" }))
    , GlyphClear1(makeAction(owner,
          { "GlyphClear1", "C&lear", {},
              "Clear|Clears the selected glyphs or the edited picture" }))
    , GlyphBold1(makeAction(owner,
          { "GlyphBold1", "&Bold", {},
              "Bold|Inks the right neighbour of every ink pixel of the selected glyphs or the "
              "edited picture" }))
    , ViewZoomIn1(makeAction(owner,
          { "ViewZoomIn1", "Zoom &In", Qt::CTRL | Qt::Key_Plus,
              "Zoom In|Magnifies the pixel editor" }))
    , ViewZoomOut1(makeAction(owner,
          { "ViewZoomOut1", "Zoom &Out", Qt::CTRL | Qt::Key_Minus,
              "Zoom Out|Shows the pixel editor smaller" }))
    , ViewGridLarger1(makeAction(owner,
          { "ViewGridLarger1", "&Larger Grid", {},
              "Larger Grid|Shows the glyphs of the grid larger" }))
    , ViewGridSmaller1(makeAction(owner,
          { "ViewGridSmaller1", "&Smaller Grid", {},
              "Smaller Grid|Shows the glyphs of the grid smaller" }))
    , ViewTextPreview1(makeAction(owner,
          { "ViewTextPreview1", "&Text Preview", {},
              "Text Preview|Shows or hides text set with the font under the grid" }))
    , FileImport1(makeAction(owner,
          { "FileImport1", "&Import...", {},
              "Import|Open a BDF, Unifont .hex or picture sheet as a new font" }))
    , FileExportBdf1(makeAction(owner,
          { "FileExportBdf1", "Export as &BDF...", {},
              "Export as BDF|Write the current font as a BDF font file" }))
    , GlyphBaseline1(makeAction(owner,
          { "GlyphBaseline1", "Base&line...", {},
              "Baseline|Sets how many rows of the cell lie above the font's baseline" }))
    , FileSaveRecipe1(makeAction(owner,
          { "FileSaveRecipe1", "Save &Recipe...", {},
              "Save Recipe|Save the choices of a new font as a font recipe" }))
    , FileOpenRecipe1(makeAction(owner,
          { "FileOpenRecipe1", "Open Recip&e...", {},
              "Open Recipe|Make the font of a font recipe in a new window" }))
{
    FileNew1->setIcon(standardIcon("document-new", QStyle::SP_FileIcon));
    FileOpen1->setIcon(standardIcon("document-open", QStyle::SP_DialogOpenButton));
    FileSave1->setIcon(standardIcon("document-save", QStyle::SP_DialogSaveButton));
    FileExport1->setIcon(themeIcon("document-send", MenuPicture::Export));
    EditCut1->setIcon(themeIcon("edit-cut", MenuPicture::Cut));
    EditCopy1->setIcon(themeIcon("edit-copy", MenuPicture::Copy));
    EditPaste1->setIcon(themeIcon("edit-paste", MenuPicture::Paste));
    WindowCascade1->setIcon(menuPicture(MenuPicture::Cascade));
    WindowTileHorizontal1->setIcon(menuPicture(MenuPicture::TileHorizontally));
    WindowTileVertical1->setIcon(menuPicture(MenuPicture::TileVertically));
    EditUndo1->setIcon(themeIcon("edit-undo", MenuPicture::Undo));
    EditRedo1->setIcon(themeIcon("edit-redo", MenuPicture::Redo));
    EditRedo1->setShortcuts({ Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z });
    // Ctrl+= is Ctrl++ without Shift on most keyboards.
    ViewZoomIn1->setShortcuts({ Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal });
    ViewTextPreview1->setCheckable(true);
}

QList<QAction*> MainActions::all() const
{
    return { FileNew1, FileOpen1, FileClose1, FileSave1, FileSaveAs1, FileExport1, FileExit1,
        EditCut1, EditCopy1, EditPaste1, WindowCascade1, WindowTileHorizontal1, WindowTileVertical1,
        WindowMinimizeAll1, WindowArrangeAll1, HelpAbout1, EditCopyTo, EditPasteFrom, HelpHelp1,
        EditUndo1, EditRedo1, GlyphShiftUp1, GlyphShiftDown1, GlyphShiftLeft1, GlyphShiftRight1,
        GlyphFlipHorizontally1, GlyphFlipVertically1, GlyphInvert1, GlyphClear1, GlyphBold1,
        ViewZoomIn1, ViewZoomOut1, ViewGridLarger1, ViewGridSmaller1, ViewTextPreview1, FileImport1,
        FileExportBdf1, GlyphBaseline1, FileSaveRecipe1, FileOpenRecipe1 };
}

} // namespace tessellon
