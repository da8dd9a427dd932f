#include "main_window.h"

#include "compose.h"
#include "form_layout.h"
#include "pictures.h"
#include "poem_canvas.h"
#include "poem_display.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>

namespace zoravina {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), canvas_(new PoemCanvas(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zovo razor"));
    setWindowIcon(QIcon(QPixmap::fromImage(drawWindowIcon(64))));
    setCentralWidget(canvas_);
    canvas_->setFixedSize(1024, 768);
    canvas_->resizeDrawing(canvas_->size());
    buildControls(*canvas_);

    surface_ = std::make_unique<QtSurface>(canvas_->drawing());
    controls_ = std::make_unique<WidgetControls>(*canvas_);
    canvas_->setBackground(Background::Universe);
    display_.screenWidth = canvas_->width() * kTwipsPerPixel;

    QAction* exit = menuBar()->addAction(QStringLiteral("Izhod"));
    exit->setObjectName(QStringLiteral("izu"));
    connect(exit, &QAction::triggered, qApp, &QApplication::quit);

    // Until the settings screen exists, the entry button goes straight to a poem.
    connect(canvas_->findChild<QPushButton*>(QStringLiteral("Command13")), &QPushButton::clicked, this,
            &MainWindow::composeNewPoem);
}

void MainWindow::composeNewPoem()
{
    for (const char* name : {"Picture7", "Command6", "Command11", "Command12", "Command13", "Command14", "Command15",
                             "Command16"})
        if (QWidget* w = canvas_->findChild<QWidget*>(QString::fromLatin1(name)))
            w->hide();
    engine_.poem.firstPosition = 1;
    engine_.poem.brightFromPosition = 1;
    try {
        composePoem(engine_);
    } catch (const IndexError&) {
        reportFault();
    }
    redrawPoem();
}

void MainWindow::redrawPoem()
{
    try {
        showPoem(engine_, display_, *surface_, *controls_);
    } catch (const IndexError&) {
        reportFault();
    }
    surface_->finish();
    canvas_->update();
}

// A fault in the content ends the step, not the program: "napaka" is
// printed at the current position and the command goes on with its next step.
void MainWindow::reportFault()
{
    surface_->print("napaka");
}

} // namespace zoravina
