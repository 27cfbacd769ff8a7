#pragma once

#include <QMainWindow>

namespace tessellon {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace tessellon
