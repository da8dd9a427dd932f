#include "widget_controls.h"

#include "display_settings.h"
#include "poem_canvas.h"

#include <QAbstractButton>
#include <QLabel>

#include <algorithm>

namespace zoravina {

WidgetControls::WidgetControls(PoemCanvas& canvas) : canvas_(canvas) {}

QWidget* WidgetControls::widget(Control control, int index) const
{
    return canvas_.findChild<QWidget*>(QString::fromStdString(controlName(control, index)));
}

void WidgetControls::setVisible(Control control, int index, bool visible)
{
    if (QWidget* w = widget(control, index))
        w->setVisible(visible);
}

bool WidgetControls::isVisible(Control control, int index) const
{
    const QWidget* w = widget(control, index);
    return w && !w->isHidden();
}

void WidgetControls::setCaption(Control control, const std::string& caption)
{
    QWidget* w = widget(control);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(QString::fromStdString(caption));
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(QString::fromStdString(caption));
}

std::string WidgetControls::caption(Control control) const
{
    QWidget* w = widget(control);
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text().toStdString();
    return {};
}

void WidgetControls::setLeft(Control control, int twips)
{
    if (QWidget* w = widget(control))
        w->move(twips / kTwipsPerPixel, w->y());
}

void WidgetControls::setBackground(int picture)
{
    canvas_.setBackground(picture >= 1 && picture <= 4 ? static_cast<Background>(picture) : Background::None);
}

} // namespace zoravina
