#include "message_box.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

// A message box that places its centre on the centre of `area` once it has its final size,
// which it takes only as it is shown (long texts are wrapped then).
class TCenteredBox : public QMessageBox {
public:
    TCenteredBox(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
                 QWidget* owner, const QRect& area)
        : QMessageBox(icon, QStringLiteral("Selvarion"), text, buttons, owner), FArea(area)
    {
    }

    void Centre()
    {
        if (!FArea.isValid())
            return;
        const QSize size = frameGeometry().size();
        move(FArea.left() + FArea.width() / 2 - size.width() / 2,
             FArea.top() + FArea.height() / 2 - size.height() / 2);
    }

protected:
    void showEvent(QShowEvent* e) override
    {
        QMessageBox::showEvent(e);
        Centre();
    }

private:
    QRect FArea;
};

// The window the box belongs to: the window it is centred on, unless another window of the
// program is in front of that one, modal or staying on top (the Find dialog): the box then
// belongs to that window, comes up above it and gives the keyboard back to it.
QWidget* OwnerOf(QWidget* over)
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

// Whether a window of the program that stays on top is on the screen: the box then stays on
// top too, or it could open behind that window.
bool StayOnTopWindowShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
        return window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
}

} // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

QMessageBox::StandardButton CenteredMessageBox(QWidget* over, const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::Icon icon) {
    QRect area;
    if (over)
        area = over->window()->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->geometry();
    QWidget* owner = OwnerOf(over);
    TCenteredBox box(icon, text, buttons, owner, area);
    box.setWindowModality(Qt::ApplicationModal);
    if (StayOnTopWindowShown())
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // Laid out and placed for the test hook already; showing it lays it out again.
    box.adjustSize();
    box.Centre();
    if (Hook()) return Hook()(box);
    box.exec();
    return box.standardButton(box.clickedButton());
}
