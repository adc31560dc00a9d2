#include "message_box.h"

#include <QGuiApplication>
#include <QScreen>

#include "window_order.h"

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
    // The box belongs to the window in front, comes up above it and gives the keyboard back
    // to it.
    TCenteredBox box(icon, text, buttons, FrontWindow(over), area);
    // Messages hold names and texts from files: never markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    KeepAboveStayOnTopWindows(box);
    // Laid out and placed for the test hook already; showing it lays it out again.
    box.adjustSize();
    box.Centre();
    if (Hook()) return Hook()(box);
    box.exec();
    return box.standardButton(box.clickedButton());
}
