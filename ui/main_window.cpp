#include "main_window.h"

namespace zoravina {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Zovo razor"));
    resize(1024, 768);
    setStyleSheet(QStringLiteral("QMainWindow { background-color: rgb(0, 0, 128); }"));
}

} // namespace zoravina
