#include "screen_classes.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

bool IsSmallScreen(const QSize& screen)
{
    return screen.width() < 720 || screen.height() < 540;
}

QSize PrimaryScreenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

void SetScaledWindowSize(QWidget& window, const QSize& client, int percent)
{
    window.setFixedSize(client.width() * percent / 100, client.height() * percent / 100);
    if (percent == 100)
        return;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        QFont font = child->font();
        if (font.pixelSize() > 0) {
            font.setPixelSize(std::max(1, font.pixelSize() * percent / 100));
            child->setFont(font);
        }
    }
}

void CentreOnScreen(QWidget& window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window.move(screen.center() - window.rect().center());
}

QPoint OnScreenPlace(QPoint place, const QSize& size)
{
    const QSize screen = PrimaryScreenSize();
    place.setX(std::max(0, place.x()));
    place.setY(std::max(0, place.y()));
    if (place.x() + size.width() > screen.width())
        place.setX(screen.width() - size.width());
    if (place.y() + size.height() > screen.height())
        place.setY(screen.height() - size.height());
    return place;
}

void PullOntoScreen(QWidget& window)
{
    const QPoint place = OnScreenPlace(window.pos(), window.size());
    if (place != window.pos())
        window.move(place);
}

QFont PixelFont(const char* family, int pixels, bool bold, bool italic)
{
    QFont font{QLatin1String(family)};
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
