#include "splash_screen.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "splash_image.h"

TSplashScreen::TSplashScreen()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashScreen"));
    SplashImage = new QLabel(this);
    SplashImage->setObjectName(QStringLiteral("SplashImage"));
    SplashImage->setScaledContents(true);
    SplashImage->setPixmap(SplashPicture());
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(3000);
    connect(Timer, &QTimer::timeout, Timer, &QTimer::stop);

    // Laid out for a screen 1024 pixels wide; other widths scale the window with it.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const double scale = screen.width() / 1024.0;
    const auto scaled = [scale](int pixels) { return static_cast<int>(pixels * scale); };
    setFixedSize(scaled(324), scaled(532));
    SplashImage->setGeometry(0, 0, scaled(324), scaled(538));
    move(screen.center() - rect().center());
}

void TSplashScreen::Hold()
{
    show();
    raise();
    repaint();
    QEventLoop wait;
    connect(Timer, &QTimer::timeout, &wait, &QEventLoop::quit);
    Timer->start();
    wait.exec();
}
