#include "editor/TextPreviewPanel.h"

#include "editor/TextPreviewImage.h"
#include "editor/TextPreviewView.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace tessellon {

namespace {

    bool carriesCodes(const GlyphChange& change)
    {
        return std::any_of(change.runs.begin(), change.runs.end(),
            [](const GlyphRun& run) { return run.codes.has_value(); });
    }

    QString countOf(int count, const char* one, const char* many)
    {
        return QString::number(count) + " " + (count == 1 ? one : many);
    }

} // namespace

TextPreviewPanel::TextPreviewPanel(FontDocument& document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
    , m_listener(document.addGlyphsListener([this](const GlyphChange& change) {
        if (carriesCodes(change)) {
            m_codes.reset();
        }
        redrawSoon();
    }))
{
    setObjectName("PanelPreview");
    buildControls();
    showSettings(TextPreviewSettings {});
}

TextPreviewPanel::~TextPreviewPanel() { m_document.removeGlyphsListener(m_listener); }

void TextPreviewPanel::buildControls()
{
    m_text = new QLineEdit;
    m_text->setObjectName("txtPreview");
    m_text->setPlaceholderText("Text to preview");
    m_display = new QComboBox;
    m_display->setObjectName("cmbPreviewDisplay");
    for (const PreviewDisplay& display : previewDisplays) {
        m_display->addItem(display.name);
    }
    m_scale = new QSpinBox;
    m_scale->setObjectName("spnPreviewScale");
    m_scale->setRange(minPreviewScale, maxPreviewScale);
    m_scale->setSuffix("x");
    m_scheme = new QComboBox;
    m_scheme->setObjectName("cmbPreviewColours");
    for (const PreviewScheme& scheme : previewSchemes) {
        m_scheme->addItem(scheme.name);
    }
    m_text->setToolTip("Text set with the font's glyphs");
    m_display->setToolTip("Display size in pixels");
    m_scale->setToolTip("Magnification");
    m_scheme->setToolTip("Ink and background");

    m_view = new TextPreviewView;
    m_area = new QScrollArea;
    m_area->setObjectName("ScrollPreview");
    m_area->setWidget(m_view);
    m_area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->viewport()->installEventFilter(this);
    m_note = new QLabel;
    m_note->setObjectName("lblPreviewNote");

    auto* choices = new QHBoxLayout;
    choices->addWidget(m_display);
    choices->addWidget(m_scale);
    choices->addWidget(m_scheme);
    choices->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);
    layout->addWidget(m_text);
    layout->addLayout(choices);
    layout->addWidget(m_area, 1);
    layout->addWidget(m_note);

    connect(m_text, &QLineEdit::textChanged, this, &TextPreviewPanel::choicesChanged);
    connect(m_display, &QComboBox::currentIndexChanged, this, &TextPreviewPanel::choicesChanged);
    connect(m_scale, &QSpinBox::valueChanged, this, &TextPreviewPanel::choicesChanged);
    connect(m_scheme, &QComboBox::currentIndexChanged, this, &TextPreviewPanel::choicesChanged);
}

void TextPreviewPanel::showSettings(const TextPreviewSettings& settings)
{
    const QSignalBlocker text(m_text), display(m_display), scale(m_scale), scheme(m_scheme);
    m_text->setText(settings.text);
    m_display->setCurrentIndex(std::clamp(settings.display, 0, int(previewDisplays.size()) - 1));
    m_scale->setValue(settings.scale);
    m_scheme->setCurrentIndex(std::clamp(settings.scheme, 0, int(previewSchemes.size()) - 1));
    redrawSoon();
}

void TextPreviewPanel::useSettings(TextPreviewSettings& settings)
{
    m_shared = &settings;
    showSettings(settings);
}

void TextPreviewPanel::choicesChanged()
{
    if (m_shared) {
        m_shared->text = m_text->text();
        m_shared->display = m_display->currentIndex();
        m_shared->scale = m_scale->value();
        m_shared->scheme = m_scheme->currentIndex();
    }
    redrawSoon();
}

void TextPreviewPanel::fontReplaced()
{
    m_codes.reset();
    redrawSoon();
}

// Changes come in bursts (a paste, every glyph of a transform, typing): one drawing after
// them is enough, and none while the panel is hidden.
void TextPreviewPanel::redrawSoon()
{
    if (m_redrawPending || !isVisible()) {
        return;
    }
    m_redrawPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_redrawPending) {
            redraw();
        }
    });
}

void TextPreviewPanel::redraw()
{
    m_redrawPending = false;
    if (!m_document.fontReady) {
        return;
    }
    if (!m_codes) {
        m_codes.emplace(m_document.fontLib());
    }
    const int scale = m_scale->value();
    const int panelWidth = m_area->viewport()->width() - 2 * TextPreviewView::frameWidth;
    const QSize fixed = displaySize(panelWidth, scale);
    const std::u16string text = m_text->text().toStdU16String();
    m_layout = layOutPreviewText(
        text, m_document.glyphWidth(), m_document.glyphHeight(), *m_codes, fixed.width());
    const QSize display(fixed.width(),
        fixed.height() > 0 ? fixed.height()
                           : std::max(1, m_layout.lines) * m_document.glyphHeight());
    const PreviewScheme& scheme = previewSchemes[m_scheme->currentIndex()];
    m_view->setGuideRows(baselineRows(
        display.height(), m_document.glyphHeight(), m_document.fontLib().baselineOrDefault()));
    m_view->setDisplay(
        drawTextPreview(m_layout, m_document.fontLib(), display, scheme.ink, scheme.background),
        scale);
    m_note->setText(noteText(display));
}

QSize TextPreviewPanel::displaySize(int panelWidth, int scale) const
{
    const PreviewDisplay& display = previewDisplays[m_display->currentIndex()];
    if (display.fitsPanel()) {
        // At least one glyph wide, however narrow the panel.
        return { std::max(panelWidth / scale, m_document.glyphWidth()), 0 };
    }
    return { display.width, display.height };
}

QString TextPreviewPanel::noteText(QSize display) const
{
    QStringList parts;
    if (m_layout.missing > 0) {
        parts << countOf(m_layout.missing, "character", "characters") + " not in this font";
    }
    const int linesShown = display.height() / m_document.glyphHeight();
    if (m_layout.lines > linesShown) {
        parts << countOf(m_layout.lines - linesShown, "line", "lines") + " below the display";
    }
    return parts.join("; ");
}

QString TextPreviewPanel::note() const { return m_note->text(); }

void TextPreviewPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    redrawSoon();
}

bool TextPreviewPanel::eventFilter(QObject* watched, QEvent* event)
{
    const bool panelWidth = previewDisplays[m_display->currentIndex()].fitsPanel();
    if (watched == m_area->viewport() && event->type() == QEvent::Resize && panelWidth) {
        redrawSoon();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessellon
