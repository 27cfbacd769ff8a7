#include "creation/DlgProgress.h"

#include "creation/ThreadCreateFont.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace tessellon {

TdlgProgress::TdlgProgress(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("dlgProgress");
    setWindowTitle("Making pixel font");
    setFixedSize(clientWidth, clientHeight);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(8, 8, 293, 97);

    m_label1 = new QLabel("Please wait ...", bevel);
    m_label1->setObjectName("Label1");
    m_label1->setGeometry(16, 20, 261, 16);

    m_progressBar1 = new QProgressBar(bevel);
    m_progressBar1->setObjectName("ProgressBar1");
    m_progressBar1->setGeometry(16, 50, 261, 20);
    m_progressBar1->setRange(0, 100);
    m_progressBar1->setValue(0);

    m_cancelBtn = new QPushButton("Cancel", this);
    m_cancelBtn->setObjectName("CancelBtn");
    m_cancelBtn->setGeometry(117, 117, 75, 25);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TdlgProgress::follow(ThreadCreateFont& worker)
{
    stopFollowing();
    m_finished = false;
    m_progressBar1->setValue(0);
    m_progressConnection
        = connect(&worker, &ThreadCreateFont::progressChanged, this, &TdlgProgress::UpdateProgress);
    m_endConnection = connect(
        &worker, &ThreadCreateFont::closeProgressRequested, this, &TdlgProgress::finishRun);
}

void TdlgProgress::stopFollowing()
{
    disconnect(m_progressConnection);
    disconnect(m_endConnection);
    ++m_run;
}

int TdlgProgress::exec()
{
    const int result = m_finished ? QDialog::Accepted : QDialog::exec();
    stopFollowing();
    return result;
}

void TdlgProgress::UpdateProgress(int percent) { m_progressBar1->setValue(percent); }

void TdlgProgress::finishRun()
{
    m_finished = true;
    closeSoon();
}

void TdlgProgress::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_finished) {
        closeSoon();
    }
}

// Closing through the event loop ends the modal loop also when the worker finished while
// the dialog was being shown, before that loop had begun.
void TdlgProgress::closeSoon()
{
    QMetaObject::invokeMethod(
        this,
        [this, run = m_run] {
            if (run == m_run && isVisible()) {
                accept();
            }
        },
        Qt::QueuedConnection);
}

} // namespace tessellon
