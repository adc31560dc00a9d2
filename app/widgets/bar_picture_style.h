#pragma once
// The application's style, with a picture kept of each look of the long bars: a tool bar's
// background and a scroll bar are drawn by the style line by line, and a line across a wide
// window is many spans of one pixel, shared out to worker threads and waited for. The style
// draws a look once into a picture and the bar is copied from it while it keeps that look,
// pixel for pixel.
#include <QPixmap>
#include <QProxyStyle>
#include <QString>

#include <deque>
#include <functional>
#include <utility>

class TBarPictureStyle : public QProxyStyle {
public:
    TBarPictureStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;

private:
    void DrawFromPicture(QPainter& painter, const QRect& rect, const QString& key,
                         const std::function<void(QPainter&)>& draw) const;

    // The looks drawn last, the latest first: a few bars' worth, for the memory they take.
    mutable std::deque<std::pair<QString, QPixmap>> pictures_;
};
