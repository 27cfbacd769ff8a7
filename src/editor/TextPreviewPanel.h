#pragma once

#include "document/FontDocument.h"
#include "editor/GlyphCodeIndex.h"
#include "editor/TextPreviewLayout.h"
#include "editor/TextPreviewSettings.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSpinBox;

namespace tessellon {

class TextPreviewView;

// The panel under the grid where the user types text and sees it set with the font's own
// glyphs on a chosen display, magnified, in the colours of an OLED, an LCD or paper.
// Characters the font lacks are framed boxes, counted below the display. It follows every
// change of the font's glyphs; the layout is the core's, the panel only draws.
class TextPreviewPanel final : public QWidget {
    Q_OBJECT
public:
    explicit TextPreviewPanel(FontDocument& document, QWidget* parent = nullptr);
    ~TextPreviewPanel() override;

    // Starts from the choices in settings and writes the user's later choices back there.
    void useSettings(TextPreviewSettings& settings);
    // A whole font was put in place.
    void fontReplaced();
    // Draws the preview now (it is drawn when shown and after changes otherwise).
    void redraw();

    const TextPreviewLayout& layout() const { return m_layout; }
    TextPreviewView& view() { return *m_view; }
    QLineEdit& textField() { return *m_text; }
    QComboBox& displayChoice() { return *m_display; }
    QSpinBox& scaleChoice() { return *m_scale; }
    QComboBox& schemeChoice() { return *m_scheme; }
    QString note() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void showSettings(const TextPreviewSettings& settings);
    void choicesChanged();
    void redrawSoon();
    QSize displaySize(int panelWidth, int scale) const;
    QString noteText(QSize display) const;

    FontDocument& m_document;
    FontDocument::ListenerId m_listener;
    TextPreviewSettings* m_shared = nullptr;
    std::optional<GlyphCodeIndex> m_codes;
    TextPreviewLayout m_layout;
    QLineEdit* m_text = nullptr;
    QComboBox* m_display = nullptr;
    QSpinBox* m_scale = nullptr;
    QComboBox* m_scheme = nullptr;
    QScrollArea* m_area = nullptr;
    TextPreviewView* m_view = nullptr;
    QLabel* m_note = nullptr;
    bool m_redrawPending = false;
};

} // namespace tessellon
