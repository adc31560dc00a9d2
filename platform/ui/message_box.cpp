#include "message_box.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}
} // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

QMessageBox::StandardButton CenteredMessageBox(QWidget* over, const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::Icon icon) {
    QMessageBox box(icon, QStringLiteral("Selvarion"), text, buttons, over);
    box.setWindowModality(Qt::ApplicationModal);
    box.adjustSize();
    QRect area;
    if (over)
        area = over->window()->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->geometry();
    if (area.isValid()) {
        const QSize size = box.size();
        box.move(area.left() + area.width() / 2 - size.width() / 2,
                 area.top() + area.height() / 2 - size.height() / 2);
    }
    if (Hook()) return Hook()(box);
    box.exec();
    return box.standardButton(box.clickedButton());
}
