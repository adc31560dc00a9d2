#include "icon_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>

namespace contentsrc {

namespace {

constexpr int kMaxCaption = 121;

const QColor kGold(201, 164, 72);
const QColor kPaleGold(238, 214, 140);
const QColor kDarkGold(128, 96, 36);

// Deep grounds and mantle colours, varied by key so that neighbouring days differ.
QColor Ground(unsigned key)
{
    static const QColor grounds[] = {{52, 16, 20}, {18, 26, 48}, {22, 38, 30}, {44, 28, 14}, {36, 18, 40}};
    return grounds[key % 5];
}

QColor Mantle(unsigned key)
{
    static const QColor mantles[] = {{128, 30, 34}, {34, 58, 112}, {96, 52, 28}, {40, 84, 60}, {92, 36, 80}};
    return mantles[(key / 7) % 5];
}

void PaintFrame(QPainter& p, const QRect& area, unsigned key)
{
    QLinearGradient ground(area.topLeft(), area.bottomLeft());
    ground.setColorAt(0, Ground(key).lighter(135));
    ground.setColorAt(1, Ground(key).darker(140));
    p.fillRect(area, ground);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 6));
    p.drawRect(area.adjusted(3, 3, -3, -3));
    p.setPen(QPen(kDarkGold, 1));
    p.drawRect(area.adjusted(7, 7, -8, -8));
    p.setPen(QPen(kPaleGold, 1));
    p.drawRect(area.adjusted(10, 10, -11, -11));
}

void PaintFigure(QPainter& p, int width, unsigned key)
{
    const QPointF head(width / 2.0, 84);
    QRadialGradient halo(head, 40);
    halo.setColorAt(0, kPaleGold);
    halo.setColorAt(0.8, kGold);
    halo.setColorAt(1, kDarkGold);
    p.setPen(QPen(kDarkGold, 1.5));
    p.setBrush(halo);
    p.drawEllipse(head, 38, 38);
    p.setPen(QPen(kPaleGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(head, 33, 33);

    QPainterPath mantle;
    const double cx = width / 2.0;
    mantle.moveTo(cx - 20, 104);
    mantle.cubicTo(cx - 46, 112, cx - 58, 150, cx - 62, 196);
    mantle.lineTo(cx + 62, 196);
    mantle.cubicTo(cx + 58, 150, cx + 46, 112, cx + 20, 104);
    mantle.closeSubpath();
    QLinearGradient cloth(QPointF(cx - 60, 0), QPointF(cx + 60, 0));
    cloth.setColorAt(0, Mantle(key).darker(150));
    cloth.setColorAt(0.5, Mantle(key));
    cloth.setColorAt(1, Mantle(key).darker(150));
    p.setPen(QPen(kGold, 1.5));
    p.setBrush(cloth);
    p.drawPath(mantle);
    p.drawLine(QPointF(cx, 112), QPointF(cx, 196));

    p.setPen(QPen(QColor(92, 60, 34), 1));
    p.setBrush(QColor(190, 142, 96));
    p.drawEllipse(head, 21, 25);
}

void PaintCaption(QPainter& p, const QRect& box, const QString& caption)
{
    QFont font("Liberation Serif");
    font.setBold(true);
    for (int size = 15; size >= 7; --size) {
        font.setPixelSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, caption);
        if (needed.height() <= box.height() && needed.width() <= box.width())
            break;
    }
    p.setFont(font);
    p.setPen(kPaleGold);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

} // namespace

QImage PaintIcon(unsigned key, const QString& caption)
{
    QImage image(kIconWidth, kIconHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    PaintFrame(p, image.rect(), key);
    PaintFigure(p, kIconWidth, key);
    p.setPen(QPen(kGold, 1));
    p.drawLine(16, 202, kIconWidth - 17, 202);
    PaintCaption(p, QRect(16, 206, kIconWidth - 32, kIconHeight - 222), caption);
    p.end();
    return image;
}

QString IconCaption(const QString& title)
{
    QString caption = title.toUpper().simplified();
    if (caption.size() <= kMaxCaption)
        return caption;
    caption.truncate(kMaxCaption + 1);
    const qsizetype wordEnd = caption.lastIndexOf(' ');
    caption.truncate(wordEnd > 0 ? wordEnd : kMaxCaption);
    while (caption.endsWith(',') || caption.endsWith(':') || caption.endsWith(' '))
        caption.chop(1);
    return caption;
}

} // namespace contentsrc
