#include "editor/MDIChild.h"

#include "creation/CreateFontRun.h"
#include "document/FontFileFormats.h"
#include "document/PixFileName.h"
#include "document/PixWriter.h"
#include "editor/EditBufferBar.h"
#include "editor/EditorState.h"
#include "editor/FontHistory.h"
#include "editor/GlyphGrid.h"
#include "editor/GlyphGridModel.h"
#include "editor/GlyphTransformName.h"
#include "editor/PenToolBar.h"
#include "editor/PixelEditor.h"
#include "editor/TextPreviewPanel.h"
#include "editor/TextPreviewSettings.h"
#include "editor/UserDialogs.h"
#include "editor/WindowCaption.h"
#include "editor/ZoomLevels.h"

#include <QCloseEvent>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace tessellon {

namespace {

    const QString messageCaption = QStringLiteral("Tessellon");
    constexpr int splitterWidth = 3;

    // The text preview's height when it is first shown, at most half the grid's.
    constexpr int previewHeight = 220;

    std::string toPath(const QString& name) { return QFile::encodeName(name).toStdString(); }

    QString fromPath(const std::string& name) { return QFile::decodeName(name.c_str()); }

} // namespace

TMDIChild::TMDIChild(UserDialogs& dialogs, QWidget* parent)
    : QMdiSubWindow(parent)
    , m_dialogs(dialogs)
    , m_history(new FontHistory(m_document, m_editorState, this))
{
    setObjectName("MDIChild");
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    connectHandlers();
    connectEditingKeys();
    resize(initialWidth, initialHeight);
    m_splitter->setSizes({ initialPanelLeftWidth, initialWidth - initialPanelLeftWidth });
}

TMDIChild::~TMDIChild()
{
    stopMaking();
    m_document.removeGlyphsListener(m_glyphsListener);
    // The history's steps and the widgets hold on to m_document (the grid listens to it)
    // and to m_editorState: they go before those do.
    delete m_history;
    QWidget* content = widget();
    setWidget(nullptr);
    delete content;
}

void TMDIChild::buildLayout()
{
    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName("Splitter1");
    m_splitter->setHandleWidth(splitterWidth);
    m_splitter->setChildrenCollapsible(false);

    m_grid = new GlyphGrid(m_document);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_preview = new TextPreviewPanel(m_document);
    m_preview->hide();
    m_gridSplitter = new QSplitter(Qt::Vertical);
    m_gridSplitter->setObjectName("SplitterPreview");
    m_gridSplitter->setHandleWidth(splitterWidth);
    m_gridSplitter->setChildrenCollapsible(false);
    m_gridSplitter->addWidget(m_grid);
    m_gridSplitter->addWidget(m_preview);
    m_gridSplitter->setStretchFactor(0, 1);
    m_gridSplitter->setStretchFactor(1, 0);

    m_splitter->addWidget(buildPanelLeft());
    m_splitter->addWidget(m_gridSplitter);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    setWidget(m_splitter);
}

QWidget* TMDIChild::buildPanelLeft()
{
    m_panelLeft = new QWidget;
    m_panelLeft->setObjectName("PanelLeft");
    auto* panelLayout = new QVBoxLayout(m_panelLeft);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);
    m_toolBar = new PenToolBar;
    m_bufferBar = new EditBufferBar(m_editorState);
    m_scrollBox = new QScrollArea;
    m_scrollBox->setObjectName("ScrollBox1");
    m_scrollBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Clicks around the picture leave the focus, and with it the Glyph menu's target, alone.
    m_scrollBox->setFocusPolicy(Qt::NoFocus);
    m_editor = new PixelEditor(m_editorState);
    m_scrollBox->setWidget(m_editor);
    panelLayout->addWidget(m_toolBar);
    panelLayout->addWidget(m_bufferBar);
    panelLayout->addWidget(m_scrollBox, 1);
    return m_panelLeft;
}

void TMDIChild::connectHandlers()
{
    connect(
        &m_toolBar->spdColorBlack(), &QToolButton::clicked, this, &TMDIChild::spdColorBlackClick);
    connect(
        &m_toolBar->spdColorWhite(), &QToolButton::clicked, this, &TMDIChild::spdColorBlackClick);
    connect(&m_toolBar->spdUpdate(), &QToolButton::clicked, this, &TMDIChild::spdUpdateClick);
    connect(m_grid, &GlyphGrid::selectedCellsChanged, this, &TMDIChild::gridFontLibClick);
    connect(m_grid, &GlyphGrid::selectedCellsChanged, this, &TMDIChild::refreshBufferBar);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TMDIChild::gridFontLibDblClick);
    connect(m_grid, &GlyphGrid::loadRequested, this, &TMDIChild::gridFontLibDblClick);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &TMDIChild::showGridMenu);
    connect(m_grid, &GlyphGrid::scaleRequested, this, &TMDIChild::scaleGrid);
    connect(m_editor, &PixelEditor::positionChanged, this,
        [this](const QString& text) { emit statusText(1, text); });
    connect(m_editor, &PixelEditor::strokeEnded, this, &TMDIChild::pictureStroked);
    connect(m_editor, &PixelEditor::transformRequested, this, &TMDIChild::transformPicture);
    connect(m_editor, &PixelEditor::zoomRequested, this, &TMDIChild::zoomEditor);
    connect(m_history, &FontHistory::pictureRestored, this, &TMDIChild::pictureRestored);
    connect(m_history, &FontHistory::modifiedChanged, this, &QWidget::setWindowModified);
    connect(m_history, &FontHistory::baselineChanged, m_preview, &TextPreviewPanel::redraw);
    // The picture's glyph may change underneath it (a paste, an undo).
    m_glyphsListener
        = m_document.addGlyphsListener([this](const GlyphChange&) { refreshBufferBar(); });
}

// Ctrl+Enter writes the picture back wherever the focus is in the window.
void TMDIChild::connectEditingKeys()
{
    for (const int key : { Qt::Key_Return, Qt::Key_Enter }) {
        auto* update = new QShortcut(QKeySequence(Qt::CTRL | key), this);
        update->setContext(Qt::WidgetWithChildrenShortcut);
        connect(update, &QShortcut::activated, this, &TMDIChild::spdUpdateClick);
    }
}

QString TMDIChild::fileName() const { return fromPath(m_document.fileName); }

void TMDIChild::setFileName(const QString& name)
{
    m_document.fileName = toPath(name);
    m_untitled = false;
    setWindowTitle(titleWithModifiedMark(name));
}

void TMDIChild::setUntitledName(const QString& name)
{
    setFileName(name);
    m_untitled = true;
}

bool TMDIChild::isUntitled() const { return m_untitled || isUntitledName(m_document.fileName); }

bool TMDIChild::LoadFontLib(const QString& path)
{
    Result<FontLib> read = readFontFile(toPath(path));
    if (!read) {
        tellWhyNotRead(read);
        return false;
    }
    takeFont(std::move(read).value(), FontOrigin::itsFile);
    setFileName(path);
    return true;
}

bool TMDIChild::changeGlyphs(const GlyphChange& change, const QString& stepName)
{
    m_editor->endStroke();
    const Status applied = m_history->changeGlyphs(change, stepName);
    if (!applied) {
        m_dialogs.warn(this, messageCaption, QString::fromStdString(applied.message()));
        return false;
    }
    return true;
}

void TMDIChild::undo()
{
    m_editor->endStroke();
    m_history->stack().undo();
}

void TMDIChild::redo()
{
    m_editor->endStroke();
    m_history->stack().redo();
}

void TMDIChild::stopMaking()
{
    if (m_making) {
        m_making->stopAndWait();
    }
}

void TMDIChild::takeFont(FontLib font, FontOrigin origin)
{
    m_editor->endStroke();
    // Steps of another font would not fit this one.
    m_history->takeFont(std::move(font), origin);
    SetupEditor(m_document.glyphWidth(), m_document.glyphHeight());
    SetupGrid();
    m_document.fontReady = true;
    m_grid->repaintGlyphs();
    m_preview->fontReplaced();
    refreshBufferBar();
}

void TMDIChild::tellWhyNotRead(const Result<FontLib>& read)
{
    const QString message = QString::fromStdString(read.message());
    // Not being a font pixel file at all is the one case the user is only informed of.
    if (read.kind() == FailureKind::NotThisFormat) {
        m_dialogs.inform(this, messageCaption, message);
    } else {
        m_dialogs.warn(this, messageCaption, message);
    }
}

QString TMDIChild::saveFilter() { return QString::fromStdString(fontFileFilter(pixFileFormat())); }

bool TMDIChild::SaveFontLib(bool saveAs)
{
    if (saveAs || isUntitled()) {
        const QString chosen = m_dialogs.chooseFileToSave(this, saveFilter(), suggestedSaveName());
        if (chosen.isEmpty()) {
            return false;
        }
        const QString name = fromPath(withPixExtension(toPath(chosen)));
        // Two windows on one file would overwrite each other's saves.
        if (const TMDIChild* other = otherWindowShowing(name)) {
            m_dialogs.warn(this, messageCaption,
                "Cannot save as " + name + ": the window \"" + other->fileName()
                    + "\" shows that file. Close it first, or choose another name.");
            return false;
        }
        setFileName(name);
    }
    const Status written = writeFontFile(m_document.fileName, m_document.fontLib());
    if (!written) {
        // Staying silent here would let the user believe the font is safe on disk.
        m_dialogs.warn(this, messageCaption, QString::fromStdString(written.message()));
        return false;
    }
    m_document.markWritten();
    m_history->markSaved();
    return true;
}

QString TMDIChild::suggestedSaveName() const
{
    return isUntitledName(m_document.fileName) ? fileName() + ".pix" : fileName();
}

void TMDIChild::setWindowShowingFile(WindowShowingFile find)
{
    m_windowShowingFile = std::move(find);
}

const TMDIChild* TMDIChild::otherWindowShowing(const QString& path) const
{
    const TMDIChild* showing = m_windowShowingFile ? m_windowShowingFile(path) : nullptr;
    return showing == this ? nullptr : showing;
}

bool TMDIChild::QuerySave()
{
    if (!m_history->modified()) {
        return true;
    }
    bringToFront();
    const MessageAnswer answer
        = m_dialogs.askYesNoCancel(this, "Save file?", "Save Changes to " + fileName() + "?");
    switch (answer) {
    case MessageAnswer::Yes:
        return SaveFontLib(false);
    case MessageAnswer::No:
        return true;
    case MessageAnswer::Cancel:
        break;
    }
    return false;
}

void TMDIChild::focusGrid()
{
    bringToFront();
    // After a modal dialog nothing may hand the activation back (no window manager does
    // under a bare X server), and a window that is not active gets no shortcuts.
    window()->activateWindow();
    m_grid->setFocus(Qt::OtherFocusReason);
}

void TMDIChild::bringToFront()
{
    if (isMinimized()) {
        showNormal();
    }
    if (QMdiArea* area = mdiArea()) {
        area->setActiveSubWindow(this);
    }
    raise();
}

void TMDIChild::SetupGrid() { m_grid->SetupGrid(); }

void TMDIChild::SetupEditor(int width, int height)
{
    m_editorState.editBuffer.assign(static_cast<std::size_t>(width) * height, 0);
    m_editorState.editGlyph.reset();
    m_editor->setupPicture(width, height);
    const int pictureWidth = m_editor->picture().width();
    if (pictureWidth >= panelLeftWidth()) {
        setPanelLeftWidth(pictureWidth + 5);
    }
    if (this->width() * 3 / 4 < panelLeftWidth()) {
        setPanelLeftWidth(this->width() * 3 / 4);
    }
}

int TMDIChild::panelLeftWidth() const { return m_splitter->sizes().value(0); }

void TMDIChild::setPanelLeftWidth(int width)
{
    const QList<int> sizes = m_splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    m_splitter->setSizes({ width, std::max(0, total - width) });
}

std::int64_t TMDIChild::selectedGlyph() const
{
    const GridRect cells = m_grid->selectedCells();
    const std::int64_t index = glyphIndexAt(cells.Left, cells.Top);
    if (cells.Top < 1 || index >= m_document.fontLib().info.glyphCount) {
        return -1;
    }
    return index;
}

std::vector<std::uint32_t> TMDIChild::selectedGlyphs() const
{
    const GridRect cells = m_grid->selectedCells();
    std::vector<std::uint32_t> glyphs;
    for (int row = std::max(cells.Top, 1); row <= cells.Bottom; ++row) {
        for (int column = cells.Left; column <= cells.Right; ++column) {
            const std::int64_t index = glyphIndexAt(column, row);
            if (index < m_document.fontLib().info.glyphCount) {
                glyphs.push_back(static_cast<std::uint32_t>(index));
            }
        }
    }
    return glyphs;
}

void TMDIChild::gridFontLibClick()
{
    const std::int64_t index = selectedGlyph();
    if (index < 0) {
        return;
    }
    emit statusText(3, "Index:" + QString::number(index));
    if (m_document.fontLib().codeTable) {
        const unsigned code = (*m_document.fontLib().codeTable)[static_cast<std::size_t>(index)];
        emit statusText(2, QString::asprintf("Unicode:%04X", code));
    }
}

void TMDIChild::gridFontLibDblClick()
{
    m_editor->endStroke();
    const std::int64_t index = selectedGlyph();
    const EditPicture before = EditPicture::of(m_editorState);
    if (index >= 0 && m_editorState.LoadEditBuffer(static_cast<std::uint32_t>(index))) {
        // Undoable: loading over a picture that was never written would lose it otherwise.
        m_history->pictureChanged(before, "Load Glyph " + QString::number(index));
        m_editor->RedrawEditor();
        refreshBufferBar();
    }
}

void TMDIChild::spdUpdateClick()
{
    m_editor->endStroke();
    const std::int64_t index = selectedGlyph();
    if (index < 0) {
        return;
    }
    const auto glyph = static_cast<std::uint32_t>(index);
    if (changeGlyphs(m_editorState.editBufferChange(glyph), "Update")) {
        m_editorState.editGlyph = glyph;
        refreshBufferBar();
    }
}

void TMDIChild::pictureStroked(const std::vector<std::uint8_t>& before)
{
    m_history->pictureChanged({ before, m_editorState.editGlyph }, "Stroke");
    refreshBufferBar();
}

bool TMDIChild::editorHasFocus() const
{
    // The last widget of this window that had the focus: a menu or another window may have
    // it now.
    return focusWidget() == m_editor;
}

bool TMDIChild::canTransform() const
{
    return m_document.fontReady && (editorHasFocus() || selectedGlyph() >= 0);
}

void TMDIChild::transform(GlyphTransform transform)
{
    if (!m_document.fontReady) {
        return;
    }
    if (editorHasFocus()) {
        transformPicture(transform);
        return;
    }
    changeGlyphs(transformGlyphs(m_document.fontLib(), selectedGlyphs(), transform),
        glyphTransformName(transform));
}

void TMDIChild::transformPicture(GlyphTransform transform)
{
    m_editor->endStroke();
    const EditPicture before = EditPicture::of(m_editorState);
    tessellon::transformPicture(
        transform, m_editorState.editBuffer, m_document.glyphWidth(), m_document.glyphHeight());
    m_history->pictureChanged(before, glyphTransformName(transform));
    m_editor->RedrawEditor();
    refreshBufferBar();
}

void TMDIChild::pictureRestored()
{
    m_editor->RedrawEditor();
    refreshBufferBar();
}

void TMDIChild::refreshBufferBar() { m_bufferBar->refresh(selectedGlyph()); }

void TMDIChild::zoomEditor(int steps)
{
    if (canZoomEditor(steps)) {
        m_editor->setZoom(steppedEditorZoom(m_editorState.zoom, steps));
    }
}

bool TMDIChild::canZoomEditor(int steps) const
{
    return steppedEditorZoom(m_editorState.zoom, steps) != m_editorState.zoom;
}

void TMDIChild::scaleGrid(int steps)
{
    if (canScaleGrid(steps)) {
        m_grid->setScale(steppedGridScale(m_grid->scale(), steps));
    }
}

bool TMDIChild::canScaleGrid(int steps) const
{
    return steppedGridScale(m_grid->scale(), steps) != m_grid->scale();
}

void TMDIChild::useTextPreviewSettings(TextPreviewSettings& settings)
{
    m_preview->useSettings(settings);
    showTextPreview(settings.shown);
}

void TMDIChild::showTextPreview(bool shown)
{
    m_preview->setVisible(shown);
    if (shown && !m_previewSized) {
        m_previewSized = true;
        const int total = m_gridSplitter->height();
        const int preview = std::min(previewHeight, total / 2);
        m_gridSplitter->setSizes({ total - preview, preview });
    }
}

void TMDIChild::spdColorBlackClick()
{
    m_editorState.penColor = m_toolBar->spdColorBlack().isChecked() ? black : white;
}

void TMDIChild::setContextActions(QAction* copy, QAction* paste)
{
    m_copyAction = copy;
    m_pasteAction = paste;
}

void TMDIChild::showGridMenu(const QPoint& at)
{
    if (!m_copyAction || !m_pasteAction) {
        return;
    }
    QMenu mnuFontEdit(this);
    mnuFontEdit.addAction(m_copyAction);
    mnuFontEdit.addAction(m_pasteAction);
    mnuFontEdit.exec(m_grid->viewport()->mapToGlobal(at));
}

void TMDIChild::closeEvent(QCloseEvent* event)
{
    stopMaking();
    if (!QuerySave()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

} // namespace tessellon
