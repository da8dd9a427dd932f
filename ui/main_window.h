#pragma once

#include "display_settings.h"
#include "engine.h"
#include "form.h"
#include "form_controls.h"
#include "qt_surface.h"

#include <QMainWindow>

class QKeyEvent;

#include <memory>

namespace zoravina {

class PoemCanvas;
class WidgetView;
class QtPlatform;
class QtSound;
class EspeakSpeech;

// The program's one window, Form1: it owns the program's state and forwards
// the events of its widgets to the handlers.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Without a platform the window uses the desktop's own dialogs and devices.
    explicit MainWindow(std::shared_ptr<const Corpus> corpus = embeddedCorpus(), Random random = Random{},
                        Platform* platform = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    Engine& engine() { return engine_; }
    DisplaySettings& display() { return display_; }
    FormControls& controls() { return controls_; }
    Form& form() { return *form_; }
    PoemCanvas& canvas() { return *canvas_; }
    WidgetView& view() { return *view_; }
    const QtSurface& surface() const { return *surface_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class Handler>
    void run(Handler&& handler);
    void connectControls();
    void connectMenus();
    void describeLines();
    bool lineKey(QKeyEvent* key);
    void watch(QWidget* widget);
    QPointF twips(QPointF pixels) const;
    // Fits the design-size drawing into the window, zoomed evenly and centred.
    void fitCanvas();

    Engine engine_;
    DisplaySettings display_;
    FormControls controls_;
    QWidget* stage_;
    PoemCanvas* canvas_;
    QSize designSize_{1024, 768};
    int keyLine_ = 0;   // the line the arrow keys stand on, 1..46
    std::unique_ptr<QtPlatform> desktop_;
    std::unique_ptr<QtSound> sound_;
    std::unique_ptr<EspeakSpeech> speech_;
    std::unique_ptr<Platform> ownPlatform_;
    Platform* platform_;
    std::unique_ptr<QtSurface> surface_;
    std::unique_ptr<WidgetView> view_;
    std::unique_ptr<Form> form_;
};

} // namespace zoravina
