#pragma once

#include <QLabel>

#include <cstdint>

namespace tessellon {

class EditorState;

// The lines above the pixel editor that say which glyph its picture came from, which glyph
// Update writes to, and whether the picture holds pixels no glyph has yet (drawn and not
// written: they would be lost by loading another glyph).
class EditBufferBar final : public QLabel {
    Q_OBJECT
public:
    explicit EditBufferBar(const EditorState& editor, QWidget* parent = nullptr);

    // target: the glyph Update writes to; negative for none.
    void refresh(std::int64_t target);

    bool showsUnwritten() const { return m_unwritten; }

private:
    QString glyphName(std::int64_t index) const;

    const EditorState& m_editor;
    QColor m_background;
    bool m_unwritten = false;
};

} // namespace tessellon
