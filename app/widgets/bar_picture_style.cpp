#include "bar_picture_style.h"

#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace {

// What every look depends on: the size, the state and the colours.
QString LookKey(const char* element, const QStyleOption& option, qreal pixelRatio)
{
    return QStringLiteral("selv-%1-%2x%3@%4-%5-%6-%7")
        .arg(QLatin1String(element))
        .arg(option.rect.width())
        .arg(option.rect.height())
        .arg(pixelRatio)
        .arg(option.state.toInt())
        .arg(option.direction)
        .arg(option.palette.cacheKey());
}

// A picture can stand in for the drawing only where the painter moves it by whole pixels.
bool CopiesPixelForPixel(const QPainter& painter)
{
    const QTransform& transform = painter.deviceTransform();
    return transform.type() <= QTransform::TxTranslate && transform.dx() == qRound(transform.dx()) &&
           transform.dy() == qRound(transform.dy());
}

constexpr std::size_t KeptPictures = 8;

} // namespace

TBarPictureStyle::TBarPictureStyle() : QProxyStyle(QApplication::style()->name())
{
}

// Draws the look named by `key` at `rect` from its picture, drawing the picture first where it
// is not kept; `draw` paints the look with its top left corner at the origin.
void TBarPictureStyle::DrawFromPicture(QPainter& painter, const QRect& rect, const QString& key,
                                       const std::function<void(QPainter&)>& draw) const
{
    auto kept = std::find_if(pictures_.begin(), pictures_.end(),
                             [&key](const auto& picture) { return picture.first == key; });
    if (kept == pictures_.end()) {
        const qreal pixelRatio = painter.device()->devicePixelRatio();
        QPixmap picture(rect.size() * pixelRatio);
        picture.setDevicePixelRatio(pixelRatio);
        picture.fill(Qt::transparent);
        QPainter picturePainter(&picture);
        draw(picturePainter);
        picturePainter.end();
        pictures_.emplace_front(key, std::move(picture));
        if (pictures_.size() > KeptPictures)
            pictures_.pop_back();
    } else if (kept != pictures_.begin()) {
        auto picture = std::move(*kept);
        pictures_.erase(kept);
        pictures_.push_front(std::move(picture));
    }
    painter.drawPixmap(rect.topLeft(), pictures_.front().second);
}

void TBarPictureStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionToolBar*>(option);
    if (element != CE_ToolBar || !bar || bar->rect.isEmpty() || !CopiesPixelForPixel(*painter)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const qreal pixelRatio = painter->device()->devicePixelRatio();
    // The style gives a main window's tool bars their bevel.
    const bool inMainWindow = widget && qobject_cast<const QMainWindow*>(widget->parentWidget());
    const QString key = LookKey("toolbar", *bar, pixelRatio) +
                        QStringLiteral("-%1-%2-%3-%4-%5-%6-%7")
                            .arg(bar->toolBarArea)
                            .arg(bar->positionOfLine)
                            .arg(bar->positionWithinLine)
                            .arg(bar->features.toInt())
                            .arg(bar->lineWidth)
                            .arg(bar->midLineWidth)
                            .arg(inMainWindow);
    DrawFromPicture(*painter, bar->rect, key, [&](QPainter& picturePainter) {
        QStyleOptionToolBar atOrigin = *bar;
        atOrigin.rect.moveTo(0, 0);
        QProxyStyle::drawControl(element, &atOrigin, &picturePainter, widget);
    });
}

void TBarPictureStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                          QPainter* painter, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    // A scroll bar that fades in and out is drawn as it is at each moment.
    if (control != CC_ScrollBar || !bar || bar->rect.isEmpty() || !CopiesPixelForPixel(*painter) ||
        styleHint(SH_ScrollBar_Transient, option, widget)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const qreal pixelRatio = painter->device()->devicePixelRatio();
    const QString key = LookKey("scrollbar", *bar, pixelRatio) +
                        QStringLiteral("-%1-%2-%3-%4-%5-%6-%7-%8-%9")
                            .arg(bar->subControls.toInt())
                            .arg(bar->activeSubControls.toInt())
                            .arg(bar->orientation)
                            .arg(bar->minimum)
                            .arg(bar->maximum)
                            .arg(bar->sliderPosition)
                            .arg(bar->pageStep)
                            .arg(bar->upsideDown)
                            .arg(bar->singleStep) +
                        QStringLiteral("-%1").arg(bar->sliderValue);
    DrawFromPicture(*painter, bar->rect, key, [&](QPainter& picturePainter) {
        QStyleOptionSlider atOrigin = *bar;
        atOrigin.rect.moveTo(0, 0);
        QProxyStyle::drawComplexControl(control, &atOrigin, &picturePainter, widget);
    });
}
