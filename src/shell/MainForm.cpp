#include "shell/MainForm.h"

#include "creation/NewCommand.h"
#include "creation/OpenRecipeCommand.h"
#include "creation/SaveRecipeCommand.h"
#include "document/PixFileName.h"
#include "editor/BaselineCommand.h"
#include "editor/EditCopyCommand.h"
#include "editor/EditCopyToCommand.h"
#include "editor/EditPasteCommand.h"
#include "editor/EditPasteFromCommand.h"
#include "editor/HistoryCommand.h"
#include "editor/MDIChild.h"
#include "editor/TextPreviewCommand.h"
#include "editor/TransformCommand.h"
#include "editor/WindowCaption.h"
#include "editor/ZoomCommand.h"
#include "export/ExportCommand.h"
#include "gui/HelpPage.h"
#include "gui/UserDialogs.h"
#include "shell/AboutCommand.h"
#include "shell/ExportBdfCommand.h"
#include "shell/ImportFontCommand.h"
#include "shell/MainActions.h"
#include "shell/MainStatusBar.h"
#include "shell/MainToolBar.h"
#include "shell/WindowArrangement.h"
#include "shell/WindowList.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QPointer>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace tessellon {

TMainForm::TMainForm(UserDialogs& dialogs)
    : m_dialogs(dialogs)
    , m_context { *this, dialogs }
    , m_actions(std::make_unique<MainActions>(this))
    , m_mdiArea(new QMdiArea)
    , m_toolBar(new MainToolBar(*m_actions))
    , m_statusBar(new MainStatusBar)
{
    setObjectName("MainForm");
    setWindowTitle("Tessellon");
    m_mdiArea->setObjectName("MDIClientArea");
    auto* frame = new QWidget;
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_mdiArea, 1);
    setCentralWidget(frame);
    setStatusBar(m_statusBar);
    buildMenus();
    connectActions();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::showActiveChildStatus);
    updateActions();
    // The enabled state of the commands follows the program's state whenever it goes idle.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
        &TMainForm::updateActions);
}

TMainForm::~TMainForm()
{
    // QWidget's destructor closes the child windows after this one has run, and the area
    // activates the next one each time: no slot of this frame may run then.
    m_mdiArea->disconnect(this);
}

void TMainForm::buildMenus()
{
    const MainActions& a = *m_actions;
    QMenu* file = menuBar()->addMenu("&File");
    file->menuAction()->setStatusTip("File related commands");
    file->addActions({ a.FileNew1, a.FileOpen1, a.FileClose1, a.FileSave1, a.FileSaveAs1,
        a.FileExport1, a.FileImport1, a.FileExportBdf1, a.FileOpenRecipe1, a.FileSaveRecipe1 });
    file->addSeparator();
    file->addAction(a.FileExit1);

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->menuAction()->setStatusTip("Edit commands");
    edit->addActions({ a.EditCut1, a.EditCopy1, a.EditPaste1 });
    edit->addSeparator();
    edit->addActions({ a.EditCopyTo, a.EditPasteFrom });
    edit->addSeparator();
    edit->addActions({ a.EditUndo1, a.EditRedo1 });

    buildGlyphAndViewMenus();

    m_windowMenu = menuBar()->addMenu("&Window");
    m_windowMenu->menuAction()->setStatusTip("Window related commands");
    m_windowMenu->addActions({ a.WindowCascade1, a.WindowTileHorizontal1, a.WindowTileVertical1,
        a.WindowMinimizeAll1, a.WindowArrangeAll1 });
    m_windowList = new WindowList(*m_mdiArea, *m_windowMenu);

    QMenu* help = menuBar()->addMenu("&Help");
    help->menuAction()->setStatusTip("Help topics");
    help->addActions({ a.HelpHelp1, a.HelpAbout1 });
}

void TMainForm::buildGlyphAndViewMenus()
{
    const MainActions& a = *m_actions;
    QMenu* glyph = menuBar()->addMenu("&Glyph");
    glyph->menuAction()->setStatusTip("Glyph commands");
    glyph->addActions(
        { a.GlyphShiftUp1, a.GlyphShiftDown1, a.GlyphShiftLeft1, a.GlyphShiftRight1 });
    glyph->addSeparator();
    glyph->addActions({ a.GlyphFlipHorizontally1, a.GlyphFlipVertically1 });
    glyph->addSeparator();
    glyph->addActions({ a.GlyphInvert1, a.GlyphClear1, a.GlyphBold1 });
    glyph->addSeparator();
    glyph->addAction(a.GlyphBaseline1);

    QMenu* view = menuBar()->addMenu("&View");
    view->menuAction()->setStatusTip("View commands");
    view->addActions({ a.ViewZoomIn1, a.ViewZoomOut1 });
    view->addSeparator();
    view->addActions({ a.ViewGridLarger1, a.ViewGridSmaller1 });
    view->addSeparator();
    view->addAction(a.ViewTextPreview1);
}

// A command with a controller of its own is bound here in one line:
//     m_commands.bind(a.FileExport1, std::make_unique<SomeCommand>(m_context));
// An action bound to nothing stays disabled: Cut, which acts only on a focused text field,
// and the frame and its child windows have none.
void TMainForm::connectActions()
{
    const MainActions& a = *m_actions;
    const auto childActive = [this] { return activeChild() != nullptr; };
    auto newCommand = std::make_unique<NewCommand>(m_context);
    m_newCommand = newCommand.get();
    m_commands.bind(a.FileNew1, std::move(newCommand));
    m_commands.bind(a.FileOpen1, [this] { FileOpen1Execute(); });
    m_commands.bind(
        a.FileClose1, [this] { FileClose1Execute(); }, childActive);
    m_commands.bind(
        a.FileSave1, [this] { FileSave1Execute(); }, childActive);
    m_commands.bind(
        a.FileSaveAs1, [this] { FileSaveAs1Execute(); }, childActive);
    m_commands.bind(a.FileExport1, std::make_unique<ExportCommand>(m_context));
    m_commands.bind(a.FileExit1, [this] { FileExit1Execute(); });
    m_commands.bind(a.EditCopy1, std::make_unique<EditCopyCommand>(m_context));
    m_commands.bind(a.EditPaste1, std::make_unique<EditPasteCommand>(m_context));
    m_commands.bind(a.EditCopyTo, std::make_unique<EditCopyToCommand>(m_context));
    m_commands.bind(a.EditPasteFrom, std::make_unique<EditPasteFromCommand>(m_context));
    connectWindowCommands();
    m_commands.bind(a.HelpAbout1, std::make_unique<AboutCommand>(m_context));
    m_commands.bind(a.HelpHelp1, [this] { HelpHelp1Execute(); });
    connectEditingCommands();
    m_commands.bind(a.FileImport1, std::make_unique<ImportFontCommand>(m_context));
    m_commands.bind(a.FileExportBdf1, std::make_unique<ExportBdfCommand>(m_context));
    m_commands.bind(a.FileOpenRecipe1, std::make_unique<OpenRecipeCommand>(m_context));
    m_commands.bind(a.FileSaveRecipe1, std::make_unique<SaveRecipeCommand>(m_context));
    m_commands.disableUnbound(a.all());
}

void TMainForm::connectEditingCommands()
{
    const MainActions& a = *m_actions;
    using T = GlyphTransform;
    const CommandContext& c = m_context;
    m_commands.bind(a.EditUndo1, std::make_unique<HistoryCommand>(c, HistoryDirection::Undo));
    m_commands.bind(a.EditRedo1, std::make_unique<HistoryCommand>(c, HistoryDirection::Redo));
    m_commands.bind(a.GlyphShiftUp1, std::make_unique<TransformCommand>(c, T::ShiftUp));
    m_commands.bind(a.GlyphShiftDown1, std::make_unique<TransformCommand>(c, T::ShiftDown));
    m_commands.bind(a.GlyphShiftLeft1, std::make_unique<TransformCommand>(c, T::ShiftLeft));
    m_commands.bind(a.GlyphShiftRight1, std::make_unique<TransformCommand>(c, T::ShiftRight));
    m_commands.bind(
        a.GlyphFlipHorizontally1, std::make_unique<TransformCommand>(c, T::FlipHorizontally));
    m_commands.bind(
        a.GlyphFlipVertically1, std::make_unique<TransformCommand>(c, T::FlipVertically));
    m_commands.bind(a.GlyphInvert1, std::make_unique<TransformCommand>(c, T::Invert));
    m_commands.bind(a.GlyphClear1, std::make_unique<TransformCommand>(c, T::Clear));
    m_commands.bind(a.GlyphBold1, std::make_unique<TransformCommand>(c, T::Bold));
    m_commands.bind(a.GlyphBaseline1, std::make_unique<BaselineCommand>(c));
    m_commands.bind(a.ViewZoomIn1, std::make_unique<ZoomCommand>(c, ZoomTarget::PixelEditor, 1));
    m_commands.bind(a.ViewZoomOut1, std::make_unique<ZoomCommand>(c, ZoomTarget::PixelEditor, -1));
    m_commands.bind(a.ViewGridLarger1, std::make_unique<ZoomCommand>(c, ZoomTarget::Grid, 1));
    m_commands.bind(a.ViewGridSmaller1, std::make_unique<ZoomCommand>(c, ZoomTarget::Grid, -1));
    m_commands.bind(a.ViewTextPreview1, std::make_unique<TextPreviewCommand>(c, m_previewSettings));
}

void TMainForm::connectWindowCommands()
{
    const MainActions& a = *m_actions;
    QMdiArea& area = *m_mdiArea;
    const auto anyOpen = [&area] { return !area.subWindowList().isEmpty(); };
    m_commands.bind(
        a.WindowCascade1, [&area] { area.cascadeSubWindows(); }, anyOpen);
    m_commands.bind(
        a.WindowTileHorizontal1, [&area] { tileHorizontally(area); }, anyOpen);
    m_commands.bind(
        a.WindowTileVertical1, [&area] { tileVertically(area); }, anyOpen);
    m_commands.bind(
        a.WindowMinimizeAll1, [&area] { minimizeAll(area); }, anyOpen);
    m_commands.bind(
        a.WindowArrangeAll1, [&area] { arrangeIcons(area); }, anyOpen);
}

TMDIChild* TMainForm::activeChild() const
{
    // The current window stays current while the frame itself is not the active window.
    return qobject_cast<TMDIChild*>(m_mdiArea->currentSubWindow());
}

QList<TMDIChild*> TMainForm::childWindows() const
{
    QList<TMDIChild*> result;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* child = qobject_cast<TMDIChild*>(window)) {
            result << child;
        }
    }
    return result;
}

TMDIChild* TMainForm::childShowing(const QString& path) const
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    if (wanted.isEmpty()) {
        return nullptr;
    }
    for (TMDIChild* child : childWindows()) {
        const QString shown = child->fileName();
        if (!child->isUntitled() && QFileInfo(shown).canonicalFilePath() == wanted) {
            return child;
        }
    }
    return nullptr;
}

TMDIChild* TMainForm::OpenOrCreate(const QString& name)
{
    // A second window on the same file would let two diverging copies overwrite each other.
    if (TMDIChild* open = childShowing(name)) {
        activateSubWindow(*m_mdiArea, *open);
        open->focusGrid();
        return open;
    }
    const QPointer<TMDIChild> previous = activeChild();
    // The window may be closed while its font is being made.
    const QPointer<TMDIChild> child = addChildWindow(name);
    const bool made = !QFileInfo::exists(name);
    const bool ready = made ? m_newCommand->makeFont(*child, name) : child->LoadFontLib(name);
    if (child && ready) {
        child->focusGrid();
        return child;
    }
    if (child) {
        child->close();
    }
    // The area would make the first window the active one.
    if (previous) {
        previous->focusGrid();
    }
    return nullptr;
}

TMDIChild* TMainForm::addChildWindow(const QString& name)
{
    auto* child = new TMDIChild(m_dialogs);
    child->setContextActions(m_actions->EditCopy1, m_actions->EditPaste1);
    child->setWindowShowingFile([this](const QString& path) { return childShowing(path); });
    child->useTextPreviewSettings(m_previewSettings);
    connect(child, &TMDIChild::statusText, m_statusBar, &MainStatusBar::setPanelText);
    m_mdiArea->addSubWindow(child);
    child->setWindowTitle(titleWithModifiedMark(name));
    child->show();
    m_mdiArea->setActiveSubWindow(child);
    return child;
}

void TMainForm::FileOpen1Execute()
{
    // A name that does not exist gets a new font made under it.
    const QString name = m_dialogs.chooseFileToOpenOrCreate(this, openFilter);
    if (!name.isEmpty()) {
        OpenOrCreate(name);
    }
}

void TMainForm::FileClose1Execute()
{
    if (TMDIChild* child = activeChild()) {
        child->close();
    }
}

void TMainForm::FileSave1Execute()
{
    if (TMDIChild* child = activeChild()) {
        child->SaveFontLib(false);
    }
}

void TMainForm::FileSaveAs1Execute()
{
    if (TMDIChild* child = activeChild()) {
        child->SaveFontLib(true);
    }
}

void TMainForm::FileExit1Execute() { close(); }

void TMainForm::HelpHelp1Execute() { openHelpPage(m_dialogs, this); }

void TMainForm::updateActions() { m_commands.update(); }

void TMainForm::showActiveChildStatus()
{
    for (int panel = 1; panel < MainStatusBar::panelCount; ++panel) {
        m_statusBar->setPanelText(panel, QString());
    }
    if (TMDIChild* child = activeChild()) {
        // The grid's selection handler reports the selected glyph's index and code.
        child->gridFontLibClick();
    }
}

bool TMainForm::event(QEvent* event)
{
    // The long part of a hint goes to panel 0 instead of covering the whole status bar.
    if (event->type() == QEvent::StatusTip) {
        m_statusBar->setPanelText(0, static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    const QList<TMDIChild*> open = childWindows();
    // A font being made must not be written into once its window is gone.
    for (TMDIChild* child : open) {
        child->stopMaking();
    }
    for (auto child = open.rbegin(); child != open.rend(); ++child) {
        if (!(*child)->QuerySave()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace tessellon
