#pragma once

#include <QMainWindow>

namespace zoravina {

// The program's one window, Form1; its screens are sets of its controls.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace zoravina
