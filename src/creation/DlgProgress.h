#pragma once

#include <QDialog>
#include <QMetaObject>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tessellon {

class ThreadCreateFont;

// The progress dialog ("Making pixel font") shown modally while the glyphs of a new font
// are drawn; one object for the whole run. It follows one worker at a time: the bar shows
// the worker's progress, and the dialog closes when the worker has finished or when the
// user presses Cancel.
class TdlgProgress final : public QDialog {
    Q_OBJECT
public:
    static constexpr int clientWidth = 309;
    static constexpr int clientHeight = 153;

    explicit TdlgProgress(QWidget* parent = nullptr);

    // Follows worker from now on, the bar back at 0. Call before the worker starts, so that
    // its end cannot pass unseen.
    void follow(ThreadCreateFont& worker);

    // Shows the dialog modally until the followed worker has finished or the user has
    // cancelled; returns at once, without showing it, when the worker has already finished.
    // Accepted when the worker finished, Rejected when the user cancelled. The dialog then
    // stops following the worker.
    int exec() override;

    bool workerFinished() const { return m_finished; }

    QLabel& Label1() { return *m_label1; }
    QProgressBar& ProgressBar1() { return *m_progressBar1; }
    QPushButton& CancelBtn() { return *m_cancelBtn; }

    void UpdateProgress(int percent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void finishRun();
    void closeSoon();
    void stopFollowing();

    QLabel* m_label1;
    QProgressBar* m_progressBar1;
    QPushButton* m_cancelBtn;
    bool m_finished = false;
    // Which run a pending close belongs to: a close that comes late must not end the next.
    unsigned m_run = 0;
    QMetaObject::Connection m_progressConnection;
    QMetaObject::Connection m_endConnection;
};

} // namespace tessellon
