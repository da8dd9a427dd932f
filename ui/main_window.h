#pragma once

#include "display_settings.h"
#include "engine.h"
#include "form.h"
#include "form_controls.h"
#include "qt_surface.h"

#include <QMainWindow>

#include <memory>

namespace zoravina {

class PoemCanvas;
class WidgetView;

// The program's one window, Form1: it owns the program's state and forwards
// the events of its widgets to the handlers.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(std::shared_ptr<const Corpus> corpus = embeddedCorpus(), Random random = Random{},
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    Engine& engine() { return engine_; }
    DisplaySettings& display() { return display_; }
    FormControls& controls() { return controls_; }
    Form& form() { return *form_; }
    PoemCanvas& canvas() { return *canvas_; }
    WidgetView& view() { return *view_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class Handler>
    void run(Handler&& handler);
    void connectControls();
    void watch(QWidget* widget);
    QPointF twips(QPointF pixels) const;

    Engine engine_;
    DisplaySettings display_;
    FormControls controls_;
    PoemCanvas* canvas_;
    std::unique_ptr<QtSurface> surface_;
    std::unique_ptr<WidgetView> view_;
    std::unique_ptr<Form> form_;
};

} // namespace zoravina
