#pragma once

#include <QPlainTextEdit>

namespace tessellon {

// The export dialog's script editor: plain text in a font whose characters are all as wide,
// with the number of each line down its left side, so that the line a message names
// ("Line 3: ...") can be found.
class ScriptEditor final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ScriptEditor(QWidget* parent = nullptr);

    // The strip that shows the line numbers, left of the text.
    QWidget& lineNumbers() { return *m_lineNumbers; }
    int lineNumbersWidth() const;

    // The fixed-width font of the system when its 'i' and 'W' are as wide, else the first
    // such font among the common ones; the system's as the last resort.
    static QFont fixedWidthFont();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitLineNumbers();
    void followText(const QRect& changed, int scrolledBy);
    void paintLineNumbers(const QRect& area);

    QWidget* m_lineNumbers;
};

} // namespace tessellon
