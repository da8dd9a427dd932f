#pragma once
// The window's widgets, built from the control table and kept in step with
// the handlers' model of the controls.

#include "form_controls.h"

#include <QHash>
#include <QObject>
#include <QSize>

#include <functional>
#include <map>
#include <utility>

class QAction;
class QMenu;
class QMenuBar;
class QTimer;
class QWidget;

namespace zoravina {

class PoemCanvas;
class QtSurface;

class WidgetView : public ControlObserver {
public:
    WidgetView(FormControls& model, PoemCanvas& canvas, QMenuBar& menuBar, QtSurface& surface);

    QWidget* widget(Control control, int index = kNoIndex) const;
    QAction* action(Control control, int index = kNoIndex) const;
    QTimer* timer() const { return timer_; }
    // The control and index a widget stands for, if it is one of them.
    std::optional<std::pair<Control, int>> controlOf(const QObject* object) const;

    void changed(Control control, int index, Property property) override;
    // Brings every widget in line with the model.
    void syncAll();

    // Pixels per twip: the drawing's zoom over the design.
    void setZoom(double pixelsPerTwip);
    double zoom() const { return zoom_; }
    // Told when a layout changes the size the window was designed for (in design pixels).
    std::function<void(QSize)> designSizeChanged;

private:
    void build(const ControlSpec& spec, int index);
    void buildMenu(const ControlSpec& spec);
    void applyGeometry(Control control, int index);
    void applyFont(Control control, int index);
    void applyCaption(Control control, int index);
    void applyItems(Control control);
    void applyStyle(Control control, int index);
    QWidget* parentWidget(const ControlSpec& spec) const;

    FormControls& model_;
    PoemCanvas& canvas_;
    QMenuBar& menuBar_;
    QtSurface& surface_;
    std::map<std::pair<Control, int>, QWidget*> widgets_;
    std::map<std::pair<Control, int>, QAction*> actions_;
    std::map<Control, QMenu*> menus_;
    QHash<const QObject*, std::pair<Control, int>> byObject_;
    QTimer* timer_ = nullptr;
    bool syncing_ = false;
    double zoom_ = 1.0 / 15;
    QSize designSize_{1024, 768};
};

} // namespace zoravina
