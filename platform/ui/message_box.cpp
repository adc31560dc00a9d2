#include "message_box.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

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
        Centre();
    }

protected:
    void showEvent(QShowEvent* e) override
    {
        QMessageBox::showEvent(e);
        Centre();
    }

private:
    void Centre()
    {
        if (!FArea.isValid())
            return;
        const QSize size = this->size();
        move(FArea.left() + FArea.width() / 2 - size.width() / 2,
             FArea.top() + FArea.height() / 2 - size.height() / 2);
    }

    QRect FArea;
};

// The window the box belongs to: the window it is centred on, unless another window of the
// program is in front of that one, modal or staying on top (the Find dialog): the box then
// belongs to that window, so that it comes up above it and is not hidden behind it.
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
    if (owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (Hook()) return Hook()(box);
    box.exec();
    return box.standardButton(box.clickedButton());
}
