#pragma once

#include "display_settings.h"
#include "engine.h"
#include "qt_surface.h"
#include "widget_controls.h"

#include <QMainWindow>

namespace zoravina {

class PoemCanvas;

// The program's one window, Form1; its screens are sets of its controls.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    Engine& engine() { return engine_; }
    DisplaySettings& display() { return display_; }
    PoemCanvas& canvas() { return *canvas_; }

public slots:
    // Composes a new poem from the first line and shows it.
    void composeNewPoem();
    void redrawPoem();

private:
    void reportFault();

    Engine engine_;
    DisplaySettings display_;
    PoemCanvas* canvas_;
    std::unique_ptr<QtSurface> surface_;
    std::unique_ptr<WidgetControls> controls_;
};

} // namespace zoravina
