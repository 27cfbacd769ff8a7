#pragma once

#include <QIcon>

namespace tessellon {

// The 16 x 16 pictures of the Edit and Window menu entries, and of Export, Undo and Redo
// where the icon theme has none.
enum class MenuPicture {
    Cut,
    Copy,
    Paste,
    Cascade,
    TileHorizontally,
    TileVertically,
    Undo,
    Redo,
    Export
};

// The picture drawn in black ink on white paper, at 16 x 16 and doubled to 32 x 32.
QIcon menuPicture(MenuPicture picture);

} // namespace tessellon
