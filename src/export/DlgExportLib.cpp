#include "export/DlgExportLib.h"

#include "document/ProgramFolders.h"
#include "export/ExportHelpText.h"
#include "export/ExportRunThread.h"
#include "export/ExportTargetChoice.h"
#include "export/ProgramScriptFile.h"
#include "export/ScriptEditor.h"
#include "export/ScriptFile.h"
#include "export/ScriptText.h"
#include "export/TargetExport.h"
#include "gui/HelpPage.h"
#include "gui/UserDialogs.h"

#include <QFile>
#include <QFont>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

namespace tessellon {

namespace {

    const QString messageCaption = QStringLiteral("Tessellon");
    constexpr int buttonHeight = 25;
    constexpr QRect targetChoiceArea { 1, 216, 76, 150 };
    constexpr int splitterHandleWidth = 3;
    constexpr int tabStopSpaces = 4;
    constexpr int helpFontPixels = 11;
    // Room for the buttons and a few lines of script and messages.
    constexpr int smallestWidth = 320;
    constexpr int smallestHeight = 240;
    // Height the dialog gains goes mostly to the script.
    constexpr int editorStretch = 3;
    constexpr int messagesStretch = 1;
    constexpr std::chrono::milliseconds messageInterval { 50 };

    std::string toPath(const QString& name) { return QFile::encodeName(name).toStdString(); }

    // Scripts and messages are 8-bit text: shown as UTF-8 when they are valid UTF-8, else one
    // character per byte (ISO 8859-1), so that any file comes back byte for byte.
    bool isUtf8(const QByteArray& bytes)
    {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString ignored = decoder(bytes);
        return !decoder.hasError();
    }

    QString textOf(const std::string& bytes)
    {
        const QByteArray raw = QByteArray::fromStdString(bytes);
        return isUtf8(raw) ? QString::fromUtf8(raw) : QString::fromLatin1(raw);
    }

    bool fitsLatin1(const QString& text)
    {
        return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
    }

    std::string bytesOf(const QString& text, bool latin1)
    {
        const QByteArray raw = latin1 && fitsLatin1(text) ? text.toLatin1() : text.toUtf8();
        return raw.toStdString();
    }

    void setUpTextBox(QPlainTextEdit& box, const char* name)
    {
        box.setObjectName(name);
        box.setLineWrapMode(QPlainTextEdit::NoWrap);
        box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }

} // namespace

TDlgExportLib::TDlgExportLib(UserDialogs& dialogs, std::string scriptFilePath, QWidget* parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_session(
          std::move(scriptFilePath), [this](const std::string& line) { m_messages.add(line); })
    , m_dataFolder(programFolders().data)
{
    setObjectName("DlgExportLib");
    setWindowTitle("Export font lib");
    // The size it starts at; the editor and the messages grow with the dialog.
    resize(clientWidth, clientHeight);
    setMinimumSize(smallestWidth, smallestHeight);
    // Centred on the screen, not over the window that happens to be active.
    move(screen()->availableGeometry().center() - rect().center());
    m_session.csub().setStopCheck([this] { return m_stopRequested.load(); });
    // The run's messages are fetched at this pace rather than handed over one by one: a
    // short run then costs the GUI thread no repaint before its end.
    m_messageTimer.setInterval(messageInterval);
    connect(&m_messageTimer, &QTimer::timeout, this, &TDlgExportLib::showMessages);

    m_pages = new QTabWidget;
    m_pages->setObjectName("PageControl1");
    m_pages->setDocumentMode(true);
    m_pages->addTab(buildExportPage(), "Export");
    m_pages->addTab(buildHelpPage(), "Help");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pages, 1);
    layout->addWidget(buildButtonPanel());
}

TDlgExportLib::~TDlgExportLib() { stopRun(); }

std::string TDlgExportLib::programScriptFile()
{
    return programScriptFilePath(programFolders(),
        toPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}

QWidget* TDlgExportLib::buildButtonPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName("Panel1");
    panel->setFixedWidth(panelWidth);
    const auto button = [panel](const char* name, const QString& text, int top, int width) {
        auto* made = new QPushButton(text, panel);
        made->setObjectName(name);
        made->setAutoDefault(false);
        made->setGeometry(1, top, width, buttonHeight);
        return made;
    };
    m_cmdExport = button("cmdExport", "Export", 8, 73);
    m_cmdLoadScript = button("cmdLoadScript", "Load Script", 64, 75);
    m_cmdSaveScript = button("cmdSaveScript", "Save Script", 96, 75);
    m_cmdHelp = button("cmdHelp", "Help", 128, 75);
    m_okBtn = button("OKBtn", "Close", 184, 75);
    connect(m_cmdExport, &QPushButton::clicked, this, &TDlgExportLib::cmdExportClick);
    connect(m_cmdLoadScript, &QPushButton::clicked, this, &TDlgExportLib::cmdLoadScriptClick);
    connect(m_cmdSaveScript, &QPushButton::clicked, this, &TDlgExportLib::cmdSaveScriptClick);
    connect(m_cmdHelp, &QPushButton::clicked, this, &TDlgExportLib::cmdHelpClick);
    connect(m_okBtn, &QPushButton::clicked, this, &QDialog::accept);
    m_targetChoice = new ExportTargetChoice(panel);
    m_targetChoice->setGeometry(targetChoiceArea);
    connect(
        m_targetChoice, &ExportTargetChoice::targetChanged, this, &TDlgExportLib::targetChanged);
    return panel;
}

QWidget* TDlgExportLib::buildExportPage()
{
    m_tabOutput = new QWidget;
    m_tabOutput->setObjectName("tabOutput");
    m_memExportFormat = new ScriptEditor;
    setUpTextBox(*m_memExportFormat, "memExportFormat");
    m_memExportFormat->setTabStopDistance(
        tabStopSpaces * m_memExportFormat->fontMetrics().horizontalAdvance(' '));
    m_memOutput = new QPlainTextEdit;
    setUpTextBox(*m_memOutput, "memOutput");
    m_memOutput->setReadOnly(true);
    m_splitter = new QSplitter(Qt::Vertical);
    m_splitter->setObjectName("Splitter1");
    m_splitter->setHandleWidth(splitterHandleWidth);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_memExportFormat);
    m_splitter->addWidget(m_memOutput);
    m_splitter->setStretchFactor(0, editorStretch);
    m_splitter->setStretchFactor(1, messagesStretch);
    auto* layout = new QVBoxLayout(m_tabOutput);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
    return m_tabOutput;
}

QWidget* TDlgExportLib::buildHelpPage()
{
    m_tabHelp = new QWidget;
    m_tabHelp->setObjectName("TabSheet1");
    m_richEdit = new QTextEdit;
    m_richEdit->setObjectName("RichEdit1");
    m_richEdit->setAcceptRichText(false);
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(helpFontPixels);
    m_richEdit->setFont(font);
    QStringList lines;
    for (const std::string& line : exportHelpText()) {
        lines << QString::fromStdString(line);
    }
    m_richEdit->setPlainText(lines.join('\n'));
    auto* layout = new QVBoxLayout(m_tabHelp);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_richEdit);
    return m_tabHelp;
}

void TDlgExportLib::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The message box starts at its own height; after that the splitter stays where the
    // user left it.
    if (!m_splitterPlaced) {
        m_splitterPlaced = true;
        const int total = m_splitter->height() - splitterHandleWidth;
        m_splitter->setSizes({ total - initialOutputHeight, initialOutputHeight });
    }
}

void TDlgExportLib::PrepareExport(
    const QString& outputFileName, const FontLib& font, const QString& fontFileName)
{
    stopRun();
    m_memOutput->clear();
    m_scriptLines = m_session.PrepareExport(toPath(outputFileName), font, toPath(fontFileName));
    showScriptFor(m_targetChoice->target());
}

void TDlgExportLib::targetChanged(const ExportTarget* target)
{
    if (!m_targetScriptShown) {
        m_scriptLines = editorLines();
    }
    showScriptFor(target);
}

void TDlgExportLib::showScriptFor(const ExportTarget* target)
{
    m_targetScriptShown = target != nullptr;
    if (!target) {
        setEditorLines(m_scriptLines);
        return;
    }
    const Result<std::vector<std::string>> read
        = readScriptFile(targetScriptPath(*target, m_dataFolder).string());
    setEditorLines(read ? *read : std::vector<std::string> {});
    if (!read) {
        appendMessages({ read.message() });
    }
}

std::vector<std::string> TDlgExportLib::editorLines() const
{
    // Block by block: the document's plain text would turn no-break spaces into spaces.
    std::vector<std::string> lines;
    const QTextDocument& document = *m_memExportFormat->document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (const QString& line : block.text().split(QChar::LineSeparator)) {
            lines.push_back(bytesOf(line, m_latin1Script));
        }
    }
    return lines;
}

void TDlgExportLib::setEditorLines(const std::vector<std::string>& lines)
{
    const std::string bytes = joinScriptLines(lines);
    m_latin1Script = !isUtf8(QByteArray::fromStdString(bytes));
    QStringList text;
    for (const std::string& line : lines) {
        text << (m_latin1Script ? QString::fromLatin1(line) : QString::fromUtf8(line));
    }
    m_memExportFormat->setPlainText(text.join('\n'));
}

void TDlgExportLib::cmdExportClick()
{
    if (isRunning()) {
        m_stopRequested = true;
    } else {
        RunExport();
    }
}

void TDlgExportLib::RunExport()
{
    if (isRunning()) {
        return;
    }
    const std::vector<std::string> lines = editorLines();
    if (!readyForRun(lines)) {
        return;
    }
    Result<FileHandle> output = m_session.createOutput();
    if (!output) {
        warn(output.message());
        return;
    }
    startRun(std::move(output).value(), joinScriptLines(lines));
}

// The script of the Script choice is saved first; a target's is not, and the target is
// refused in the messages when it cannot hold the font.
bool TDlgExportLib::readyForRun(const std::vector<std::string>& lines)
{
    const ExportTarget* target = m_targetChoice->target();
    if (!target) {
        if (const Status saved = m_session.saveScript(lines); !saved) {
            warn(saved.message());
            return false;
        }
    }
    m_memOutput->clear();
    m_pages->setCurrentWidget(m_tabOutput);
    const Result<std::vector<std::string>> notes
        = m_session.chooseTarget(target, m_targetChoice->choices(), m_dataFolder);
    appendMessages(notes ? *notes : std::vector<std::string> { notes.message() });
    return notes.ok();
}

void TDlgExportLib::startRun(FileHandle output, std::string scriptText)
{
    m_stopRequested = false;
    m_run = std::make_unique<ExportRunThread>(m_session, std::move(output), std::move(scriptText));
    // A stop that came first has finished this run already; its late signal must not end
    // the next one.
    connect(m_run.get(), &QThread::finished, this, [this, serial = ++m_runSerial] {
        if (serial == m_runSerial) {
            finishRun();
        }
    });
    m_cmdExport->setText("Stop");
    m_run->start();
    m_messageTimer.start();
}

void TDlgExportLib::finishRun()
{
    if (!m_run) {
        return;
    }
    m_messageTimer.stop();
    m_run->wait();
    const Result<ExecuteResult> result = m_run->result();
    m_run.reset();
    appendMessages(m_messages.takeRest());
    if (!result) {
        // A failed write says so where the run's messages are, as the command line does.
        appendMessages({ result.message() });
    } else if (*result == ExecuteResult::Ran) {
        appendTargetRunEnd();
    }
    m_cmdExport->setText("Export");
    emit runFinished();
}

void TDlgExportLib::appendTargetRunEnd()
{
    const Result<std::vector<std::string>> end = m_session.finishTargetRun();
    appendMessages(end ? *end : std::vector<std::string> { end.message() });
}

void TDlgExportLib::stopRun()
{
    if (isRunning()) {
        m_stopRequested = true;
        finishRun();
    }
}

void TDlgExportLib::showMessages() { appendMessages(m_messages.take()); }

void TDlgExportLib::appendMessages(const std::vector<std::string>& lines)
{
    if (lines.empty()) {
        return;
    }
    QStringList text;
    for (const std::string& line : lines) {
        text << textOf(line);
    }
    m_memOutput->appendPlainText(text.join('\n'));
}

void TDlgExportLib::cmdLoadScriptClick()
{
    const QString path = m_dialogs.chooseFileToOpen(this, scriptFilter);
    if (path.isEmpty()) {
        return;
    }
    m_lastScriptName = path;
    const Result<std::vector<std::string>> read = readScriptFile(toPath(path));
    if (!read) {
        warn(read.message());
        return;
    }
    setEditorLines(*read);
}

void TDlgExportLib::cmdSaveScriptClick()
{
    const QString path = m_dialogs.chooseFileToSave(this, scriptFilter, m_lastScriptName);
    if (path.isEmpty()) {
        return;
    }
    m_lastScriptName = path;
    if (const Status written = writeScriptFile(toPath(path), editorLines()); !written) {
        warn(written.message());
    }
}

void TDlgExportLib::cmdHelpClick() { openHelpPage(m_dialogs, this); }

void TDlgExportLib::done(int result)
{
    stopRun();
    QDialog::done(result);
}

void TDlgExportLib::warn(const std::string& message)
{
    m_dialogs.warn(this, messageCaption, textOf(message));
}

} // namespace tessellon
