#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tessellon {

// The about box: the product name and the version on a sunken panel, and an OK button.
class TAboutBox final : public QDialog {
    Q_OBJECT
public:
    // What the version label shows when the program carries no version.
    static constexpr const char* formVersionText = "Version: 2.0  (1990)";

    // fileVersion is the program's file version, empty when it has none.
    explicit TAboutBox(const QString& fileVersion, QWidget* parent = nullptr);

    QLabel& ProductName() { return *m_productName; }
    QLabel& labelVersion() { return *m_labelVersion; }
    QPushButton& OKButton() { return *m_okButton; }

private:
    void readVersion(const QString& fileVersion);

    QLabel* m_productName;
    QLabel* m_labelVersion;
    QPushButton* m_okButton;
};

} // namespace tessellon
