#include "splash_image.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "drawn_icon.h"

QPixmap SplashPicture()
{
    constexpr int width = 324;
    constexpr int height = 538;
    QPixmap picture(width, height);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(18, 28, 78));
    sky.setColorAt(1.0, QColor(96, 22, 30));
    painter.fillRect(picture.rect(), sky);

    // A gilded three-bar cross in the middle.
    const QColor gold(226, 184, 84);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    const int cx = width / 2;
    painter.drawRect(cx - 7, 120, 14, 250);
    painter.drawRect(cx - 30, 150, 60, 12);
    painter.drawRect(cx - 60, 200, 120, 14);
    QPainterPath footrest;
    footrest.moveTo(cx - 40, 300);
    footrest.lineTo(cx + 40, 278);
    footrest.lineTo(cx + 40, 290);
    footrest.lineTo(cx - 40, 312);
    footrest.closeSubpath();
    painter.drawPath(footrest);

    painter.setPen(gold);
    QFont title(QStringLiteral("Times New Roman"));
    title.setPixelSize(40);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(0, 30, width, 60), Qt::AlignCenter, QStringLiteral("SELVARION"));
    QFont line(QStringLiteral("Times New Roman"));
    line.setPixelSize(18);
    line.setItalic(true);
    painter.setFont(line);
    painter.drawText(QRect(0, 400, width, 30), Qt::AlignCenter,
                     QStringLiteral("The Orthodox church year"));
    painter.drawText(QRect(0, 440, width, 30), Qt::AlignCenter, QStringLiteral("3.0"));
    return picture;
}

namespace {

// Drawn on a 32 by 32 grid: the gilded cross of the title picture on its night sky.
void DrawProgramIcon(QPainter& painter)
{
    QLinearGradient sky(0, 0, 0, 32);
    sky.setColorAt(0.0, QColor(18, 28, 78));
    sky.setColorAt(1.0, QColor(96, 22, 30));
    painter.setPen(QPen(QColor(10, 14, 40), 1));
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    const QColor gold(226, 184, 84);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    painter.drawRect(QRectF(14.4, 4, 3.2, 24.5));
    painter.drawRect(QRectF(11.5, 7.5, 9, 2.2));
    painter.drawRect(QRectF(7.5, 12, 17, 2.8));
    QPainterPath footrest;
    footrest.moveTo(10, 22.8);
    footrest.lineTo(22, 19.2);
    footrest.lineTo(22, 21.6);
    footrest.lineTo(10, 25.2);
    footrest.closeSubpath();
    painter.drawPath(footrest);
}

} // namespace

QIcon ProgramIcon()
{
    return DrawnIcon(DrawProgramIcon, 32, {16, 24, 32, 48, 64, 128, 256});
}

QPixmap ProgramIconPicture()
{
    return ProgramIcon().pixmap(32, 32);
}
