#pragma once
// The displays' view of the window: controls found by their object names.

#include "controls.h"

#include <QWidget>

namespace zoravina {

class PoemCanvas;

class WidgetControls : public WindowControls {
public:
    explicit WidgetControls(PoemCanvas& canvas);

    void setVisible(Control control, int index, bool visible) override;
    bool isVisible(Control control, int index) const override;
    void setCaption(Control control, const std::string& caption) override;
    std::string caption(Control control) const override;
    void setLeft(Control control, int twips) override;
    void setBackground(int picture) override;
    void setPersistentDrawing(bool) override {}

    QWidget* widget(Control control, int index = kNoIndex) const;

private:
    PoemCanvas& canvas_;
};

} // namespace zoravina
