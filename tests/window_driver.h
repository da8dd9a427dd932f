#pragma once
// Drives the real window as a reader does: clicks, pointer moves and menus,
// found by the widgets' object names and the menus' captions.

#include "main_window.h"
#include "poem_canvas.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace zoravina::driver {

inline void save(QWidget& widget, const char* name)
{
    if (const char* folder = std::getenv("ZORAVINA_SCREENSHOTS"))
        widget.grab().save(QString::fromUtf8(folder) + "/" + name);
}

template <class W = QWidget>
W* find(QWidget& window, const QString& name)
{
    W* w = window.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

inline void click(QWidget& window, const QString& name, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget* w = find(window, name);
    ASSERT_TRUE(w && w->isVisible()) << name.toStdString() << " is not there to click";
    QTest::mouseClick(w, button, Qt::NoModifier, w->rect().center());
    QApplication::processEvents();
}

// A pointer move over the drawing area, in pixels of the window's canvas.
inline void moveOverCanvas(MainWindow& window, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), window.canvas().mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&window.canvas(), &move);
}

inline void moveOver(QWidget* widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(widget->rect().center()), widget->mapToGlobal(QPointF(widget->rect().center())),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Opens menus by clicking the menu bar and the items, as a reader does.
inline void chooseMenu(MainWindow& window, const QStringList& path)
{
    QMenuBar* bar = window.menuBar();
    QAction* top = nullptr;
    for (QAction* a : bar->actions())
        if (a->text() == path.front())
            top = a;
    ASSERT_NE(top, nullptr) << path.front().toStdString();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(top).center());
    QApplication::processEvents();
    QMenu* menu = top->menu();
    for (int i = 1; i < path.size(); ++i) {
        ASSERT_NE(menu, nullptr) << path[i - 1].toStdString();
        ASSERT_TRUE(menu->isVisible()) << path[i - 1].toStdString() << " did not open";
        QAction* item = nullptr;
        for (QAction* a : menu->actions())
            if (a->text() == path[i])
                item = a;
        ASSERT_NE(item, nullptr) << path[i].toStdString();
        const QPoint at = menu->actionGeometry(item).center();
        if (item->menu()) {
            QTest::mouseMove(menu, at);
            menu->setActiveAction(item);
            QTest::keyClick(menu, Qt::Key_Right);
            QApplication::processEvents();
            menu = item->menu();
        } else {
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, at);
            QApplication::processEvents();
        }
    }
}

inline bool shown(QWidget& window, const QString& name) { return find(window, name)->isVisibleTo(&window); }

} // namespace zoravina::driver
