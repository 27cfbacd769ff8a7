#pragma once

#include <QList>

class QAction;
class QObject;

namespace tessellon {

// The main window's commands (ActionList1), with their captions, shortcuts and hints.
// What they do and when they are enabled is up to the main window.
struct MainActions {
    explicit MainActions(QObject* owner);

    QAction* FileNew1;
    QAction* FileOpen1;
    QAction* FileClose1;
    QAction* FileSave1;
    QAction* FileSaveAs1;
    QAction* FileExport1;
    QAction* FileExit1;
    QAction* EditCut1;
    QAction* EditCopy1;
    QAction* EditPaste1;
    QAction* WindowCascade1;
    QAction* WindowTileHorizontal1;
    QAction* WindowTileVertical1;
    QAction* WindowMinimizeAll1;
    QAction* WindowArrangeAll1;
    QAction* HelpAbout1;
    QAction* EditCopyTo;
    QAction* EditPasteFrom;
    QAction* HelpHelp1;
    QAction* EditUndo1;
    QAction* EditRedo1;
    QAction* GlyphShiftUp1;
    QAction* GlyphShiftDown1;
    QAction* GlyphShiftLeft1;
    QAction* GlyphShiftRight1;
    QAction* GlyphFlipHorizontally1;
    QAction* GlyphFlipVertically1;
    QAction* GlyphInvert1;
    QAction* GlyphClear1;
    QAction* GlyphBold1;
    QAction* ViewZoomIn1;
    QAction* ViewZoomOut1;
    QAction* ViewGridLarger1;
    QAction* ViewGridSmaller1;
    QAction* ViewTextPreview1;
    QAction* FileImport1;
    QAction* FileExportBdf1;
    QAction* GlyphBaseline1;
    QAction* FileSaveRecipe1;
    QAction* FileOpenRecipe1;

    // Every action, in the order of the list.
    QList<QAction*> all() const;
};

} // namespace tessellon
