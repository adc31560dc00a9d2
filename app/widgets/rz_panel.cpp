#include "rz_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The pixels a one-pixel pen covers on the line from (x1, y1) to (x2, y2), filled: the raster
// engine fills a rectangle many times faster than it strokes a line.
void DrawLine(QPainter& p, int x1, int y1, int x2, int y2, const QColor& color) {
    const int left = std::min(x1, x2), top = std::min(y1, y2);
    p.fillRect(QRectF(left - 0.5, top - 0.5, std::max(x1, x2) - left + 1, std::max(y1, y2) - top + 1), color);
}

// One-pixel lines on the chosen sides: left and top in the first colour, right and bottom
// in the second.
void DrawSides(QPainter& p, const QRect& r, const QColor& first, TSides sides, const QColor& second) {
    const int left = r.left(), top = r.top();
    const int right = r.left() + r.width() - 1, bottom = r.top() + r.height() - 1;
    if (sides & sdLeft) DrawLine(p, left, top, left, bottom, first);
    if (sides & sdTop) DrawLine(p, left, top, right, top, first);
    if (sides & sdRight) DrawLine(p, right, top, right, bottom, second);
    if (sides & sdBottom) DrawLine(p, left, bottom, right, bottom, second);
}

// `count` nested DrawSides, the rectangle shrinking by one pixel all round after each.
void DrawFrame(QPainter& p, QRect& r, const QColor& first, TSides sides, int count, const QColor& second) {
    for (int i = 0; i < count; ++i) {
        DrawSides(p, r, first, sides, second);
        r.adjust(1, 1, -1, -1);
    }
}

QRect ShrinkBySides(QRect r, TSides sides) {
    return r.adjusted(sides & sdLeft ? 1 : 0, sides & sdTop ? 1 : 0,
                      sides & sdRight ? -1 : 0, sides & sdBottom ? -1 : 0);
}

} // namespace

TRzPanel::TRzPanel(QWidget* parent) : QWidget(parent) {
    borderColor_ = palette().color(QPalette::Button);
    SetColor(borderColor_);
}

template <typename T> void TRzPanel::Assign(T& field, const T& value) {
    if (field == value) return;
    field = value;
    update();
}

void TRzPanel::SetBevelSides(TSides sides) { Assign(bevelSides_, sides); }
void TRzPanel::SetBorderColor(const QColor& color) { Assign(borderColor_, color); }
void TRzPanel::SetVerticalAlignment(TVerticalAlignment alignment) { Assign(verticalAlignment_, alignment); }
void TRzPanel::SetAlignment(Qt::Alignment alignment) { Assign(alignment_, alignment & Qt::AlignHorizontal_Mask); }
void TRzPanel::SetBevelInner(TPanelBevel bevel) { Assign(bevelInner_, bevel); }
void TRzPanel::SetBevelOuter(TPanelBevel bevel) { Assign(bevelOuter_, bevel); }
void TRzPanel::SetBevelWidth(int width) { Assign(bevelWidth_, qMax(1, width)); }
void TRzPanel::SetBorderWidth(int width) { Assign(borderWidth_, qMax(0, width)); }
void TRzPanel::SetCaption(const QString& caption) { Assign(caption_, caption); }
void TRzPanel::SetColor(const QColor& color) {
    // A panel of an opaque colour paints all its pixels: what lies under it is not painted.
    setAttribute(Qt::WA_OpaquePaintEvent, color.alpha() == 255);
    Assign(color_, color);
}

void TRzPanel::SetBorderSides(TSides sides) {
    if (borderSides_ == sides) return;
    borderSides_ = sides;
    setContentsMargins(sides & sdLeft ? 1 : 0, sides & sdTop ? 1 : 0, sides & sdRight ? 1 : 0, sides & sdBottom ? 1 : 0);
    update();
}

QRect TRzPanel::GetClientRect() const { return ShrinkBySides(rect(), borderSides_); }

int TRzPanel::CaptionFlags() const {
    return int(alignment_) | Qt::AlignVCenter | Qt::TextExpandTabs | Qt::TextWordWrap;
}

int TModPanel::CaptionFlags() const { return TRzPanel::CaptionFlags() & ~Qt::TextWordWrap; }

// Each frame line takes one pixel off all four sides, whichever sides it is drawn on.
int TRzPanel::FrameInset() const {
    int inset = borderWidth_;
    if (bevelOuter_ != bvNone) inset += bevelWidth_;
    if (bevelInner_ != bvNone) inset += bevelWidth_;
    return inset;
}

// The rectangle left inside the border lines, bevels and border frame.
QRect TRzPanel::InnerRect() const {
    const int inset = FrameInset();
    return GetClientRect().adjusted(inset, inset, -inset, -inset);
}

int TRzPanel::heightForWidth(int width) const {
    const int lines = (borderSides_ & sdTop ? 1 : 0) + (borderSides_ & sdBottom ? 1 : 0);
    const int textWidth = ShrinkBySides(QRect(0, 0, width, 1), borderSides_).width() - 2 * FrameInset();
    const QRect text(0, 0, std::max(0, textWidth), QWIDGETSIZE_MAX);
    return lines + 2 * FrameInset() + QFontMetrics(font()).boundingRect(text, CaptionFlags(), caption_).height();
}

// The caption's block is H high; it starts at the top of the inner rectangle, at its
// bottom less H less one pixel, or centred with the half taken toward minus infinity.
QRect TRzPanel::CaptionRect() const {
    const QRect r = InnerRect();
    const int h = QFontMetrics(font()).boundingRect(r, CaptionFlags(), caption_).height();
    int top = r.top();
    if (verticalAlignment_ == vaCenter) {
        const int sum = r.top() + (r.top() + r.height()) - h;
        top = sum >= 0 ? sum / 2 : -((1 - sum) / 2);
    } else if (verticalAlignment_ == vaBottom) {
        top = r.top() + r.height() - h - 1;
    }
    return QRect(r.left(), top, r.width(), h);
}

void TRzPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    // The background, each pixel once: around the inside before the lines, the inside after them.
    for (const QRect& band : QRegion(r).subtracted(InnerRect())) p.fillRect(band, color_);
    DrawSides(p, r, Qt::black, borderSides_, Qt::black);
    r = ShrinkBySides(r, borderSides_);
    const QPalette& pal = palette();
    auto bevel = [&](TPanelBevel kind) {
        if (kind == bvNone) return;
        QColor c1 = pal.color(QPalette::Light), c2 = pal.color(QPalette::Dark);
        if (kind == bvLowered) std::swap(c1, c2);
        if (kind == bvSpace) c1 = c2 = pal.color(QPalette::Base);
        DrawFrame(p, r, c1, bevelSides_, bevelWidth_, c2);
    };
    bevel(bevelOuter_);
    if (borderWidth_ > 0) DrawFrame(p, r, borderColor_, bevelSides_, borderWidth_, borderColor_);
    bevel(bevelInner_);
    p.fillRect(r, color_);
    p.setFont(font());
    p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(CaptionRect(), CaptionFlags(), caption_);
}

void TRzPanel::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button());
    QWidget::mousePressEvent(event);
}

void TRzPanel::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(event->button());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Click();
    QWidget::mouseReleaseEvent(event);
}

void TRzPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit DblClick();
    QWidget::mouseDoubleClickEvent(event);
}
