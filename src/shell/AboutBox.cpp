#include "shell/AboutBox.h"

#include "shell/ProgramIcon.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tessellon {

namespace {

    constexpr int clientWidth = 363;
    constexpr int clientHeight = 224;

    QFont pixelFont(const QFont& base, int pixelSize, bool bold)
    {
        QFont font = base;
        font.setPixelSize(pixelSize);
        font.setBold(bold);
        return font;
    }

} // namespace

TAboutBox::TAboutBox(const QString& fileVersion, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("AboutBox");
    setWindowTitle("About");
    setFixedSize(clientWidth, clientHeight);
    setFont(pixelFont(font(), 11, false));

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 265, 208);

    auto* icon = new QLabel(panel);
    icon->setObjectName("ProgramIcon");
    icon->setPixmap(programPixmap(48));
    icon->setGeometry(16, 16, 48, 48);

    m_productName = new QLabel("Tessellon", panel);
    m_productName->setObjectName("ProductName");
    m_productName->setFont(pixelFont(font(), 19, true));
    m_productName->setGeometry(80, 24, 170, 28);

    m_labelVersion = new QLabel(formVersionText, panel);
    m_labelVersion->setObjectName("labelVersion");
    m_labelVersion->setGeometry(80, 56, 170, 18);

    m_okButton = new QPushButton("OK", this);
    m_okButton->setObjectName("OKButton");
    m_okButton->setGeometry(281, 12, 75, 25);
    m_okButton->setDefault(true);
    m_okButton->setFocus();
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    readVersion(fileVersion);
}

void TAboutBox::readVersion(const QString& fileVersion)
{
    if (!fileVersion.isEmpty()) {
        m_labelVersion->setText("Version: " + fileVersion);
    }
}

} // namespace tessellon
