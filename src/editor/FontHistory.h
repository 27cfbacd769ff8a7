#pragma once

#include "document/FontDocument.h"
#include "document/Result.h"
#include "editor/EditPicture.h"

#include <QObject>
#include <QUndoStack>

#include <cstdint>
#include <optional>

namespace tessellon {

// The undo history of one font window, in the order the user worked: steps that change the
// font's glyphs (Update, a paste, a transform) and steps of the pixel editor's picture (a
// stroke, loading a glyph, a transform of the picture), and steps of the font's baseline.
// Only glyph and baseline steps touch the font: it is modified exactly when it is not as
// last saved or loaded, so undoing back to that state clears the flag, and a font that was
// never saved stays modified.
class FontHistory final : public QObject {
    Q_OBJECT
public:
    // Each step keeps a copy of what it replaced; older steps are forgotten.
    static constexpr int stepLimit = 500;

    explicit FontHistory(FontDocument& document, QObject* parent = nullptr);

    QUndoStack& stack() { return m_stack; }

    // Applies change to the font as one step named name. The reason, with nothing changed,
    // when the change does not fit the font; an empty change is no step.
    Status changeGlyphs(const GlyphChange& change, const QString& name);
    // Records a change of the picture that has already been made; no step when nothing
    // changed.
    void pictureChanged(const EditPicture& before, const QString& name);
    // Sets the font's baseline (FontDocument::setBaseline) as one step named name. The
    // reason, with nothing changed, when it does not fit the cell; the same baseline is no
    // step.
    Status changeBaseline(std::optional<int> rows, const QString& name);

    // A whole font has been put in place: every step is forgotten. A font just read counts
    // as saved, not modified; a new one is modified until it is saved.
    void startFont(bool saved);
    // The font's glyphs are now those in its file: it is no longer modified.
    void markSaved();

    // For the steps: the font's glyphs are now those of revision; the picture was put back.
    void glyphsAt(std::int64_t revision);
    void notePictureRestored() { emit pictureRestored(); }
    // For the baseline steps: the font's baseline is now rows, the font that of revision.
    void baselineAt(std::optional<int> rows, std::int64_t revision);

signals:
    // An undo or redo changed the picture (or the glyph it belongs to).
    void pictureRestored();
    // The font's modified flag has been set anew: after every glyph step, undo and redo,
    // and whenever the font is put in place or saved.
    void modifiedChanged(bool modified);
    // The font's baseline has changed: set, undone or redone.
    void baselineChanged();

private:
    static constexpr std::int64_t neverSaved = -1;

    void setModified(bool modified);

    FontDocument& m_document;
    QUndoStack m_stack;
    std::int64_t m_revision = 0;
    std::int64_t m_savedRevision = 0;
    std::int64_t m_lastRevision = 0;
};

} // namespace tessellon
