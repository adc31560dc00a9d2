#include "drawn_icon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap DrawnPixmap(const TIconDrawing& draw, double grid, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / grid, size / grid);
    draw(painter);
    painter.end();
    return pixmap;
}

} // namespace

QIcon DrawnIcon(const TIconDrawing& draw, double grid, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (int size : sizes)
        icon.addPixmap(DrawnPixmap(draw, grid, size));
    return icon;
}
