#include "window_order.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

QWidget* FrontWindow(QWidget* over)
{
    QWidget* owner = over ? over->window() : nullptr;
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = QApplication::activeWindow();
    if (front && front != owner &&
        (front->isModal() || front->windowFlags().testFlag(Qt::WindowStaysOnTopHint)))
        return front;
    return owner;
}

void KeepAboveStayOnTopWindows(QWidget& window)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool onTop = std::any_of(windows.begin(), windows.end(), [&window](const QWidget* other) {
        return other != &window && other->isVisible() && other->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}
