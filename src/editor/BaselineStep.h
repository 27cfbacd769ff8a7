#pragma once

#include <QUndoCommand>

#include <cstdint>
#include <optional>

namespace tessellon {

class FontHistory;

// One undoable change of a font's baseline, made when the step is built.
class BaselineStep final : public QUndoCommand {
public:
    // A baseline (none: unknown) and the revision of the font that has it.
    struct State {
        std::optional<int> rows;
        std::int64_t revision = 0;
    };

    BaselineStep(FontHistory& history, State before, State after, const QString& name);

    void undo() override;
    void redo() override;

private:
    FontHistory& m_history;
    State m_before;
    State m_after;
    // The stack redoes a step as it takes it; this one has been applied already.
    bool m_applied = true;
};

} // namespace tessellon
