#include "version_name_label.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>

#include "installed_versions.h"

TVersionNameLabel::TVersionNameLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

int TVersionNameLabel::MaxWidth() const
{
    return fontMetrics().horizontalAdvance(QString(MaxVersionNameLength, QLatin1Char('W')));
}

QSize TVersionNameLabel::sizeHint() const
{
    const QSize size = QLabel::sizeHint();
    return {std::min(size.width(), MaxWidth()), size.height()};
}

QSize TVersionNameLabel::minimumSizeHint() const
{
    const QSize size = QLabel::minimumSizeHint();
    return {std::min(size.width(), MaxWidth()), size.height()};
}

void TVersionNameLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), shown, foregroundRole());
}
