#include "export/ScriptEditor.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QTextBlock>

#include <algorithm>

namespace tessellon {

namespace {

    constexpr int numberPadding = 4;

    bool allAsWide(const QFont& font)
    {
        const QFontMetrics metrics(font);
        return metrics.horizontalAdvance('i') == metrics.horizontalAdvance('W');
    }

} // namespace

ScriptEditor::ScriptEditor(QWidget* parent)
    : QPlainTextEdit(parent)
    , m_lineNumbers(new QWidget(this))
{
    m_lineNumbers->setObjectName("lineNumbers");
    m_lineNumbers->installEventFilter(this);
    setFont(fixedWidthFont());
    connect(this, &QPlainTextEdit::blockCountChanged, this, &ScriptEditor::fitLineNumbers);
    connect(this, &QPlainTextEdit::updateRequest, this, &ScriptEditor::followText);
    fitLineNumbers();
}

QFont ScriptEditor::fixedWidthFont()
{
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (allAsWide(system)) {
        return system;
    }
    for (const char* family : { "DejaVu Sans Mono", "Liberation Mono", "Noto Mono", "monospace" }) {
        QFont candidate(QString::fromLatin1(family), system.pointSize());
        candidate.setStyleHint(QFont::TypeWriter);
        if (allAsWide(candidate)) {
            return candidate;
        }
    }
    return system;
}

int ScriptEditor::lineNumbersWidth() const
{
    const QString widest(QString::number(std::max(1, blockCount())).size(), '9');
    return fontMetrics().horizontalAdvance(widest) + 2 * numberPadding;
}

void ScriptEditor::fitLineNumbers()
{
    setViewportMargins(lineNumbersWidth(), 0, 0, 0);
    const QRect inside = contentsRect();
    m_lineNumbers->setGeometry(inside.left(), inside.top(), lineNumbersWidth(), inside.height());
}

void ScriptEditor::followText(const QRect& changed, int scrolledBy)
{
    if (scrolledBy != 0) {
        m_lineNumbers->scroll(0, scrolledBy);
    } else {
        m_lineNumbers->update(0, changed.y(), m_lineNumbers->width(), changed.height());
    }
}

void ScriptEditor::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    fitLineNumbers();
}

bool ScriptEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lineNumbers && event->type() == QEvent::Paint) {
        paintLineNumbers(static_cast<QPaintEvent*>(event)->rect());
        return true;
    }
    return QPlainTextEdit::eventFilter(watched, event);
}

void ScriptEditor::paintLineNumbers(const QRect& area)
{
    QPainter painter(m_lineNumbers);
    painter.fillRect(area, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.setFont(font());
    const int width = m_lineNumbers->width() - numberPadding;
    const int lineHeight = fontMetrics().height();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
        if (top > area.bottom()) {
            break;
        }
        if (block.isVisible() && top + lineHeight >= area.top()) {
            painter.drawText(0, top, width, lineHeight, Qt::AlignRight | Qt::AlignVCenter,
                QString::number(block.blockNumber() + 1));
        }
    }
}

} // namespace tessellon
