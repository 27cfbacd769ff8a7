// Times an Export press in the export dialog with the default script over the 20,902-glyph
// 16 x 16 font of the export benchmark, from the press to the last message shown, beside
// the same export run called directly, in the same process and taking turns with it.
// Prints the figures; it is not a test.
#include "BenchTiming.h"
#include "CjkFont.h"
#include "export/DefaultScript.h"
#include "export/DlgExportLib.h"
#include "export/ExportRun.h"
#include "export/ScriptFile.h"
#include "export/ScriptText.h"
#include "gui/QtUserDialogs.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace tessellon;
using bench::millisecondsOf;
using bench::Timing;
using bench::timingOf;

namespace {

// One press of Export; returns once the run has ended and its last message is painted.
void pressExport(TDlgExportLib& dialog)
{
    QEventLoop loop;
    const auto finished
        = QObject::connect(&dialog, &TDlgExportLib::runFinished, &loop, &QEventLoop::quit);
    dialog.cmdExport().click();
    loop.exec();
    QObject::disconnect(finished);
    dialog.memOutput().viewport()->repaint();
}

bool endedWithOk(TDlgExportLib& dialog)
{
    return dialog.memOutput().toPlainText().endsWith("\nOK");
}

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    QTemporaryDir scratch;
    const QString folder = args.size() > 1 && !args[1].isEmpty() ? args[1] : scratch.path();
    const int runs = args.size() > 2 ? std::max(1, args[2].toInt()) : 15;
    const QString dialogOutput = folder + "/bench-dialog.c";
    const QString directOutput = folder + "/bench-direct.c";

    const FontLib font = bench::cjkFont();
    QtUserDialogs dialogs;
    TDlgExportLib dialog(dialogs, localPath(folder + "/tessellon.spt"));
    dialog.PrepareExport(dialogOutput, font);
    dialog.setEditorLines(defaultScript());
    dialog.show();
    application.processEvents();

    const ExportSource source = makeExportSource(localPath(directOutput), font);
    const std::string script = joinScriptLines(defaultScript());
    Csub csub;
    bool ok = true;
    const auto direct = [&] {
        const Result<ExecuteResult> run = runExportScript(csub, source, script);
        ok = ok && run && *run == ExecuteResult::Ran;
    };
    const auto throughDialog = [&] {
        pressExport(dialog);
        ok = ok && endedWithOk(dialog);
    };
    // A press after an edit saves the script first, flushed to the disk; the same script
    // pressed again is not written again. The edit is a comment: the output stays the same.
    std::vector<std::string> edited = defaultScript();
    edited.push_back("/* edited */");
    const std::string savedScript = localPath(folder + "/saved.spt");
    const auto saveAlone = [&] { ok = writeScriptFile(savedScript, edited).ok() && ok; };
    direct();
    throughDialog();
    std::vector<double> directTimes;
    std::vector<double> unchangedTimes;
    std::vector<double> editedTimes;
    std::vector<double> saveTimes;
    for (int i = 0; i < runs; ++i) {
        directTimes.push_back(millisecondsOf(direct));
        unchangedTimes.push_back(millisecondsOf(throughDialog));
        dialog.setEditorLines(i % 2 == 0 ? edited : defaultScript());
        editedTimes.push_back(millisecondsOf(throughDialog));
        saveTimes.push_back(millisecondsOf(saveAlone));
    }
    const bool same = QFile(dialogOutput).size() == QFile(directOutput).size();
    const Timing alone = timingOf(directTimes);
    const Timing unchanged = timingOf(unchangedTimes);
    const Timing afterEdit = timingOf(editedTimes);
    const Timing saved = timingOf(saveTimes);
    const auto ratio
        = [&](const Timing& pressed) { return pressed.median / std::max(alone.median, 1e-6); };
    std::printf("font: %u glyphs of 16 x 16, default script, %lld bytes, median (and best) of "
                "%d runs\n",
        bench::cjkGlyphCount, static_cast<long long>(QFile(dialogOutput).size()), runs);
    std::printf(
        "export run alone                   %7.2f ms (best %6.2f)\n", alone.median, alone.best);
    std::printf("Export press, script unchanged     %7.2f ms (best %6.2f)   ratio %.2f\n",
        unchanged.median, unchanged.best, ratio(unchanged));
    std::printf("Export press after an edit         %7.2f ms (best %6.2f)   ratio %.2f\n",
        afterEdit.median, afterEdit.best, ratio(afterEdit));
    std::printf(
        "  the script file's save alone     %7.2f ms (best %6.2f)\n", saved.median, saved.best);
    std::printf("(a press: from the click to the last message shown)\n");
    std::printf("unchanged press within 1.5 x the run alone: %s%s\n",
        ratio(unchanged) <= 1.5 ? "met" : "NOT MET", ok && same ? "" : "   RUN FAILED");
    QFile::remove(dialogOutput);
    QFile::remove(directOutput);
    QFile::remove(QString::fromStdString(savedScript));
    return ok && same ? EXIT_SUCCESS : EXIT_FAILURE;
}
