#pragma once

#include "document/FontDocument.h"
#include "document/GlyphChange.h"
#include "document/Result.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <variant>

namespace tessellon {

// Where a whole font put in place comes from: its own file (as saved), or anywhere else (a
// new font, an imported one), which stays modified until it is saved.
enum class FontOrigin { itsFile, madeOrImported };

// The undo history of a font: its changes of glyphs and of the baseline, as steps undone
// and redone in turn, and the one answer to whether the font is modified. The font is
// modified exactly when it is not as last read or saved: undoing back to that state clears
// the flag, a font that was never saved stays modified, and a saved state that was undone
// and then replaced by other steps is never reached again.
//
// The editor's undo stack (FontHistory) interleaves these steps with steps of its picture
// and undoes and redoes them here in the same order.
class GlyphHistory {
public:
    // Each step keeps a copy of what it replaced; older steps are forgotten.
    static constexpr std::size_t stepLimit = 500;

    explicit GlyphHistory(FontDocument& document);

    // Puts a whole font in place (FontDocument::takeFont) and forgets every step.
    void takeFont(FontLib font, FontOrigin origin);
    // Applies change (FontDocument::replaceGlyphs) as one step; an empty change is no step.
    // The reason, with nothing changed, when the change does not fit the font.
    Status changeGlyphs(const GlyphChange& change);
    // Sets the baseline (FontDocument::setBaseline) as one step; the same baseline is no
    // step. The reason, with nothing changed, when it does not fit the cell.
    Status changeBaseline(std::optional<int> rows);

    bool canUndo() const { return m_applied > 0; }
    bool canRedo() const { return m_applied < m_steps.size(); }
    // Undoes the last step applied, redoes the next one undone; nothing when there is none.
    void undo();
    void redo();
    // Forgets the steps undone: another step of the editor took their place.
    void dropRedo();

    // The font is now as in its file.
    void markSaved();
    bool modified() const;
    // Counts every step taken since the font was put in place, less those undone: it moves
    // exactly when a step is taken, undone or redone.
    std::uint64_t position() const { return m_forgotten + m_applied; }

private:
    struct Baseline {
        std::optional<int> rows;
    };
    // What a step's next undo or redo applies; applying it gives back what reverses it.
    using Step = std::variant<GlyphChange, Baseline>;

    void push(Step step);
    void apply(Step& step);

    FontDocument& m_document;
    std::deque<Step> m_steps;
    // The steps of m_steps applied, from the front; those after them were undone.
    std::size_t m_applied = 0;
    // Steps forgotten from the front since the font was put in place.
    std::uint64_t m_forgotten = 0;
    // The position at which the font is as in its file; none when no position is. Before
    // any font there is nothing to save.
    std::optional<std::uint64_t> m_saved = 0;
};

} // namespace tessellon
