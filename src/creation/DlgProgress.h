#pragma once

#include <QDialog>

namespace tessellon {

// The progress dialog ("Making pixel font") shown while a new font is drawn; one object
// for the whole run.
class TdlgProgress : public QDialog {
    Q_OBJECT
public:
    explicit TdlgProgress(QWidget* parent = nullptr);
};

} // namespace tessellon
