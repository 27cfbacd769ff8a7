// Times the editor's New command on a large font: File > New through NewCommand::makeFont,
// with the new-font dialog's choices set by the program instead of typed (ranges, 16 x 16, the font
// of the file given, 16 pixels) and the progress dialog shown as a user sees it, on the
// platform that QT_QPA_PLATFORM names. Prints the seconds from the command to the font in
// its window (and the processor time of both threads meanwhile), and the glyph count; it is
// not a test.
//
//   new_font_bench FONT_FILE [RANGE...]      ranges as FROM-TO in hexadecimal (20-7E)

#include "creation/DlgNewFont.h"
#include "creation/UnicodeRangeModel.h"
#include "editor/MDIChild.h"
#include "editor/UserDialogs.h"
#include "shell/MainActions.h"
#include "shell/MainForm.h"
#include "shell/Program.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QWindow>

#include <cstdio>

#include <sys/resource.h>

using namespace tessellon;

namespace {

// The user of the benchmark: fills in the new-font dialog and presses OK; every other
// question is answered No, and messages go to standard error.
class BenchDialogs final : public UserDialogs {
public:
    BenchDialogs(QFont font, QStringList ranges)
        : m_font(std::move(font))
        , m_ranges(std::move(ranges))
    {
    }

    MessageAnswer askYesNoCancel(QWidget*, const QString&, const QString&) override
    {
        return MessageAnswer::No;
    }
    void inform(QWidget*, const QString&, const QString& text) override { report(text); }
    void warn(QWidget*, const QString&, const QString& text) override { report(text); }
    QString chooseFileToOpen(QWidget*, const QString&) override { return {}; }
    QString chooseFileToSave(QWidget*, const QString&, const QString&) override { return {}; }
    QString chooseFileToOpenOrCreate(QWidget*, const QString&) override { return {}; }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return m_font; }
    void openDocument(const QString&, std::function<void(bool)>) override { }

    int runModal(QDialog& dialog) override
    {
        auto* newFont = qobject_cast<TDlgNewFont*>(&dialog);
        if (!newFont) {
            return dialog.exec();
        }
        fillIn(*newFont);
        newFont->OKBtn().click();
        return newFont->result();
    }

private:
    void fillIn(TDlgNewFont& dialog)
    {
        dialog.RadioFromcode().click();
        auto& model = static_cast<UnicodeRangeModel&>(*dialog.gridUnicode().model());
        for (int row = 0; row < model.rowCount(); ++row) {
            const QStringList range = m_ranges.value(row).split('-');
            model.setData(model.index(row, 0), range.value(0));
            model.setData(model.index(row, 1), range.value(1));
        }
        dialog.txtWidth().setCurrentText("16");
        dialog.txtHeight().setCurrentText("16");
        dialog.cmdFont().click();
    }

    static void report(const QString& text)
    {
        std::fprintf(stderr, "new_font_bench: %s\n", qPrintable(text));
    }

    QFont m_font;
    QStringList m_ranges;
};

// Processor time of the whole process (both threads), in seconds.
double processorSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs("usage: new_font_bench FONT_FILE [RANGE...]\n", stderr);
        return 2;
    }
    const int id = QFontDatabase::addApplicationFont(arguments[1]);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        std::fprintf(stderr, "new_font_bench: cannot load %s\n", qPrintable(arguments[1]));
        return 2;
    }
    QFont font(families.first());
    font.setPixelSize(16);
    const QStringList ranges = arguments.size() > 2 ? arguments.mid(2) : QStringList { "20-7E" };

    BenchDialogs dialogs(font, ranges);
    Program program(dialogs);
    TMainForm& form = program.MainForm();
    form.resize(1000, 700);
    form.show();
    while (!form.windowHandle() || !form.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QApplication::processEvents();

    QElapsedTimer timer;
    const double processorStart = processorSeconds();
    timer.start();
    form.actions().FileNew1->trigger();
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    const double processor = processorSeconds() - processorStart;
    const TMDIChild* child = form.activeChild();
    if (!child || !child->document().fontReady) {
        std::fputs("new_font_bench: no font was made\n", stderr);
        return 1;
    }
    std::printf("new: %.3f s (processor %.3f s), glyphs %u, font %s %d px, platform %s\n", seconds,
        processor, child->document().fontLib().info.glyphCount, qPrintable(font.family()),
        font.pixelSize(), qPrintable(QGuiApplication::platformName()));
    return 0;
}
