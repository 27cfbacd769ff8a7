#pragma once

#include "document/FontDocument.h"
#include "document/GlyphHistory.h"
#include "document/Result.h"
#include "editor/EditPicture.h"

#include <QObject>
#include <QUndoStack>

#include <cstdint>
#include <optional>

namespace tessellon {

class EditorState;

// The undo history of one font window, in the order the user worked: steps that change the
// font's glyphs (Update, a paste, a transform) or its baseline, which the font's own history
// (GlyphHistory) keeps and which alone decide whether the font is modified, and steps of the
// pixel editor's picture (a stroke, loading a glyph, a transform of the picture).
class FontHistory final : public QObject {
    Q_OBJECT
public:
    // Each step keeps a copy of what it replaced; older steps are forgotten.
    static constexpr int stepLimit = static_cast<int>(GlyphHistory::stepLimit);

    FontHistory(FontDocument& document, EditorState& editor, QObject* parent = nullptr);

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

    // Puts a whole font in place and forgets every step (GlyphHistory::takeFont).
    void takeFont(FontLib font, FontOrigin origin);
    // The font's glyphs are now those in its file: it is no longer modified.
    void markSaved();
    bool modified() const { return m_font.modified(); }

    // For the steps: undo or redo the font's own step; the picture was put back.
    void undoFontStep();
    void redoFontStep();
    void notePictureRestored() { emit pictureRestored(); }

signals:
    // An undo or redo changed the picture (or the glyph it belongs to).
    void pictureRestored();
    // The font's modified flag has been set anew: after every glyph step, undo and redo,
    // and whenever the font is put in place or saved.
    void modifiedChanged(bool modified);
    // The font's baseline has changed: set, undone or redone.
    void baselineChanged();

private:
    // Puts the step the font's history took, if it took one, on the stack: true when it did.
    bool pushFontStep(std::uint64_t positionBefore, const QString& name);
    // Tells what a step of the font changed: always whether it is modified, and the
    // baseline when it is no longer before.
    void announce(std::optional<int> baselineBefore);

    FontDocument& m_document;
    EditorState& m_editor;
    GlyphHistory m_font;
    QUndoStack m_stack;
};

} // namespace tessellon
