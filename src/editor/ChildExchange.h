#pragma once

#include <QString>

namespace tessellon {

class TMDIChild;
class UserDialogs;

// Copying and pasting the glyphs of one child window's grid selection as a picture: through
// the clipboard, or through a picture file. A paste goes through the window as one step
// named "Paste" and leaves the pasted block selected.
class ChildExchange {
public:
    ChildExchange(TMDIChild& child, UserDialogs& dialogs);

    // The selection lies on glyph rows (not the header row).
    bool HasGlyphSelection() const;
    // Copies the selected glyphs to the clipboard, or with a file name into that file.
    // False when there was nothing to do (no glyph selection); a picture that cannot be made
    // or written is reported to the user.
    bool CopyGlyphs(const QString& fileName = QString());
    // Pastes the clipboard's picture, or with a file name that file's, at the selection.
    // False when there was nothing to do (no glyph selection, no picture on the clipboard); a
    // picture that cannot be read is reported as "Can not paste" and changes no glyph.
    bool PasteGlyphs(const QString& fileName = QString());

private:
    void tellCannotPaste(const std::string& why);

    TMDIChild& m_child;
    UserDialogs& m_dialogs;
};

} // namespace tessellon
