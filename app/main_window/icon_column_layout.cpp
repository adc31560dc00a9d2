#include "icon_column_layout.h"

#include <QLabel>

#include <algorithm>
#include <cmath>

#include "rz_panel.h"

TIconColumnLayout::TIconColumnLayout(TRzPanel& column, QLabel& picture, TRzPanel& caption, QWidget& bottom)
    : QLayout(&column), FPicture(picture), FCaption(caption), FBottom(bottom)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetNoConstraint);
}

void TIconColumnLayout::SetPictureSize(const QSize& size)
{
    FPictureSize = size;
    invalidate();
    activate();
}

void TIconColumnLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const int width = rect.width();
    const int bottom = FBottom.minimumHeight();
    const int room = rect.height() - bottom - FCaption.heightForWidth(width);
    QSize picture;
    if (!FPictureSize.isEmpty() && room > 0) {
        const double scale = std::min({1.0, double(width) / FPictureSize.width(),
                                       double(room) / FPictureSize.height()});
        picture = QSize(int(std::lround(FPictureSize.width() * scale)),
                        int(std::lround(FPictureSize.height() * scale)));
    }
    FPicture.setGeometry(rect.left() + (width - picture.width()) / 2, rect.top(), picture.width(),
                         picture.height());
    FCaption.setGeometry(rect.left(), rect.top() + picture.height(), width,
                         rect.height() - picture.height() - bottom);
    FBottom.setGeometry(rect.left(), rect.bottom() + 1 - bottom, width, bottom);
}

QSize TIconColumnLayout::sizeHint() const
{
    return FPictureSize;
}

// The three parts are placed by name; the layout holds no items.
void TIconColumnLayout::addItem(QLayoutItem* item)
{
    delete item;
}

QLayoutItem* TIconColumnLayout::itemAt(int) const
{
    return nullptr;
}

QLayoutItem* TIconColumnLayout::takeAt(int)
{
    return nullptr;
}

int TIconColumnLayout::count() const
{
    return 0;
}
