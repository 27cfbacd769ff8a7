#include "editor/EditBufferBar.h"

#include "editor/EditorState.h"

namespace tessellon {

namespace {

    const QColor unwrittenBackground(255, 224, 160);

} // namespace

EditBufferBar::EditBufferBar(const EditorState& editor, QWidget* parent)
    : QLabel(parent)
    , m_editor(editor)
    , m_background(palette().color(QPalette::Window))
{
    setObjectName("EditBufferBar");
    setWordWrap(true);
    setMargin(3);
    setAutoFillBackground(true);
    setToolTip("The glyph the picture came from, and the glyph Update writes it to");
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    setFont(small);
    refresh(-1);
}

QString EditBufferBar::glyphName(std::int64_t index) const
{
    const FontLib& font = m_editor.document().fontLib();
    if (index < 0 || !font.hasGlyph(static_cast<std::uint32_t>(index))) {
        return "no glyph";
    }
    QString name = "glyph " + QString::number(index);
    if (font.codeTable) {
        const unsigned code = (*font.codeTable)[static_cast<std::size_t>(index)];
        name += QString::asprintf(" U+%04X", code);
    }
    return name;
}

void EditBufferBar::refresh(std::int64_t target)
{
    const std::int64_t source = m_editor.editGlyph ? std::int64_t(*m_editor.editGlyph) : -1;
    m_unwritten = m_editor.editBufferUnwritten();
    // The last line keeps its place while empty, so that the picture below does not move
    // when it comes and goes.
    const QString text = "Picture: " + glyphName(source) + "<br>Update to: " + glyphName(target)
        + (m_unwritten ? "<br><b>Changed, not written</b>" : "<br>&nbsp;");
    if (text != this->text()) {
        setText(text);
    }
    QPalette colours = palette();
    colours.setColor(QPalette::Window, m_unwritten ? unwrittenBackground : m_background);
    setPalette(colours);
}

} // namespace tessellon
