#include "toolbar_images.h"

#include <QPainter>
#include <QPainterPath>

#include "drawn_icon.h"
#include "screen_classes.h"

namespace {

// Every image is drawn on a 16 by 16 grid and scaled to the size asked for.
constexpr double Grid = 16.0;

const QColor Ink(51, 59, 71);
const QColor Paper(250, 250, 246);
const QColor Grey(138, 147, 158);
const QColor Blue(42, 111, 201);
const QColor DarkBlue(28, 72, 140);
const QColor Red(194, 59, 46);
const QColor Brown(168, 116, 61);

QPen InkPen(double width, const QColor& colour = Ink)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A letter or two of `family`, `pixels` high on the grid, centred on `centre`.
void DrawLetters(QPainter& p, const QString& text, const char* family, int pixels, bool bold,
                 bool italic, const QPointF& centre, const QColor& colour)
{
    QPainterPath path;
    path.addText(0, 0, PixelFont(family, pixels, bold, italic), text);
    path.translate(centre - path.boundingRect().center());
    p.fillPath(path, colour);
}

// A leaf of a wall calendar; `today` marks one day of it.
void DrawCalendar(QPainter& p, bool today)
{
    const QRectF leaf(1.5, 2.5, 13, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(Paper);
    p.drawRoundedRect(leaf, 1.5, 1.5);
    p.setBrush(Red);
    p.drawRect(QRectF(2, 3, 12, 3));
    p.setBrush(Grey);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(3.2 + col * 2.6, 7.3 + row * 2.3, 1.6, 1.4));
    p.setPen(InkPen(1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(leaf, 1.5, 1.5);
    p.setPen(InkPen(1.3));
    p.drawLine(QPointF(5, 1.2), QPointF(5, 4));
    p.drawLine(QPointF(11, 1.2), QPointF(11, 4));
    if (today) {
        p.setPen(InkPen(1, DarkBlue));
        p.setBrush(Blue);
        p.drawEllipse(QPointF(9.1, 10.3), 2.4, 2.4);
    }
}

// An arrow pointing left; a double one is two heads.
void DrawBackArrow(QPainter& p, bool twoHeads)
{
    QPainterPath path;
    if (twoHeads) {
        path.addPolygon(QPolygonF({{1, 8}, {8, 2.5}, {8, 13.5}, {1, 8}}));
        path.addPolygon(QPolygonF({{8, 8}, {15, 2.5}, {15, 13.5}, {8, 8}}));
    } else {
        path.addPolygon(QPolygonF({{1.5, 8}, {8, 2}, {8, 5.5}, {14.5, 5.5}, {14.5, 10.5},
                                   {8, 10.5}, {8, 14}, {1.5, 8}}));
    }
    p.setPen(InkPen(0.9, DarkBlue));
    p.setBrush(Blue);
    p.drawPath(path);
}

void Mirror(QPainter& p)
{
    p.translate(Grid, 0);
    p.scale(-1, 1);
}

void DrawSave(QPainter& p)
{
    p.setPen(InkPen(1));
    p.setBrush(DarkBlue);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.2, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(213, 217, 222));
    p.drawRect(QRectF(4.5, 2, 7, 4.5));
    p.setBrush(Ink);
    p.drawRect(QRectF(9, 2.8, 1.6, 3));
    p.setBrush(Paper);
    p.drawRect(QRectF(3.5, 8.5, 9, 5.5));
    p.setPen(InkPen(0.8, Grey));
    p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
    p.drawLine(QPointF(5, 12.3), QPointF(11, 12.3));
}

void DrawHelp(QPainter& p)
{
    p.setPen(InkPen(1, DarkBlue));
    p.setBrush(Blue);
    p.drawEllipse(QPointF(8, 8), 6.6, 6.6);
    DrawLetters(p, QStringLiteral("?"), "Arial", 11, true, false, QPointF(8, 8.1), Paper);
}

void DrawUndo(QPainter& p)
{
    QPainterPath arc;
    const QRectF circle(4, 4, 9, 9);
    arc.arcMoveTo(circle, -50);
    arc.arcTo(circle, -50, 230);
    p.setPen(InkPen(2, Blue));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(InkPen(0.8, DarkBlue));
    p.setBrush(Blue);
    p.drawPolygon(QPolygonF({{1.2, 8}, {6.8, 8}, {4, 12.5}}));
}

void DrawCut(QPainter& p)
{
    p.setPen(InkPen(1.5, Grey.darker(130)));
    p.drawLine(QPointF(6.2, 10), QPointF(11.2, 1.5));
    p.drawLine(QPointF(9.8, 10), QPointF(4.8, 1.5));
    p.setPen(InkPen(1.4, Red.darker(120)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.6, 12), 2.2, 2.2);
    p.drawEllipse(QPointF(11.4, 12), 2.2, 2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(8, 6.7), 0.9, 0.9);
}

// A sheet with lines of text on it.
void DrawSheet(QPainter& p, const QRectF& sheet)
{
    p.setPen(InkPen(1));
    p.setBrush(Paper);
    p.drawRect(sheet);
    p.setPen(InkPen(0.8, Grey));
    for (double y = sheet.top() + 2.2; y < sheet.bottom() - 1; y += 2)
        p.drawLine(QPointF(sheet.left() + 1.7, y), QPointF(sheet.right() - 1.7, y));
}

void DrawCopy(QPainter& p)
{
    DrawSheet(p, QRectF(1.5, 1.5, 8, 10));
    DrawSheet(p, QRectF(6.5, 4.5, 8, 10));
}

void DrawPaste(QPainter& p)
{
    p.setPen(InkPen(1));
    p.setBrush(Brown);
    p.drawRoundedRect(QRectF(2, 2.5, 12, 12.5), 1.2, 1.2);
    DrawSheet(p, QRectF(4, 5, 8, 8.5));
    p.setPen(InkPen(0.8));
    p.setBrush(QColor(200, 205, 212));
    p.drawRoundedRect(QRectF(5.5, 1.2, 5, 2.8), 0.8, 0.8);
}

void DrawFont(QPainter& p)
{
    DrawLetters(p, QStringLiteral("A"), "Times New Roman", 14, true, false, QPointF(6, 7.6), Ink);
    DrawLetters(p, QStringLiteral("a"), "Times New Roman", 9, false, false, QPointF(12.6, 10.6), Blue);
}

void DrawUnderline(QPainter& p)
{
    DrawLetters(p, QStringLiteral("U"), "Arial", 12, false, false, QPointF(8, 6.8), Ink);
    p.setPen(QPen(Blue, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(3, 14), QPointF(13, 14));
}

// Lines of a paragraph: 0 flush left, 1 flush right, 2 centred.
void DrawParagraph(QPainter& p, int alignment)
{
    const double lengths[] = {12, 8, 12, 7, 10};
    p.setPen(QPen(Ink, 1.4, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 5; ++i) {
        const double length = lengths[i];
        const double left = alignment == 0 ? 2 : alignment == 1 ? 14 - length : 8 - length / 2;
        const double y = 3 + i * 2.5;
        p.drawLine(QPointF(left, y), QPointF(left + length, y));
    }
}

void DrawBullets(QPainter& p)
{
    for (int i = 0; i < 3; ++i) {
        const double y = 3.5 + i * 4.5;
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawEllipse(QPointF(3, y), 1.5, 1.5);
        p.setPen(QPen(Ink, 1.4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(6.5, y), QPointF(14.5, y));
    }
}

void Draw(QPainter& p, TToolbarImage image)
{
    switch (image) {
    case TToolbarImage::SelectDate: DrawCalendar(p, false); break;
    case TToolbarImage::Today: DrawCalendar(p, true); break;
    case TToolbarImage::PreviousYear: DrawBackArrow(p, true); break;
    case TToolbarImage::PreviousDay: DrawBackArrow(p, false); break;
    case TToolbarImage::NextDay: Mirror(p); DrawBackArrow(p, false); break;
    case TToolbarImage::NextYear: Mirror(p); DrawBackArrow(p, true); break;
    case TToolbarImage::Save: DrawSave(p); break;
    case TToolbarImage::HelpTopics: DrawHelp(p); break;
    case TToolbarImage::Undo: DrawUndo(p); break;
    case TToolbarImage::Cut: DrawCut(p); break;
    case TToolbarImage::Copy: DrawCopy(p); break;
    case TToolbarImage::Paste: DrawPaste(p); break;
    case TToolbarImage::Font: DrawFont(p); break;
    case TToolbarImage::Bold:
        DrawLetters(p, QStringLiteral("B"), "Arial", 13, true, false, QPointF(8, 8), Ink);
        break;
    case TToolbarImage::Italic:
        DrawLetters(p, QStringLiteral("I"), "Times New Roman", 14, true, true, QPointF(8, 8), Ink);
        break;
    case TToolbarImage::Underline: DrawUnderline(p); break;
    case TToolbarImage::LeftAlign: DrawParagraph(p, 0); break;
    case TToolbarImage::RightAlign: DrawParagraph(p, 1); break;
    case TToolbarImage::CenterAlign: DrawParagraph(p, 2); break;
    case TToolbarImage::Bullets: DrawBullets(p); break;
    }
}

// The icon theme's name of the image.
const char* ToolbarImageName(TToolbarImage image)
{
    static const char* const names[ToolbarImageCount] = {
        "x-office-calendar", "media-seek-backward", "go-previous", "go-jump-today", "go-next",
        "media-seek-forward", "document-save", "help-contents", "edit-undo", "edit-cut",
        "edit-copy", "edit-paste", "preferences-desktop-font", "format-text-bold",
        "format-text-italic", "format-text-underline", "format-justify-left",
        "format-justify-center", "format-justify-right", "format-list-unordered"};
    return names[static_cast<int>(image)];
}

} // namespace

QIcon DrawnToolbarImage(TToolbarImage image)
{
    return DrawnIcon([image](QPainter& painter) { Draw(painter, image); }, Grid, {16, 22, 24, 32, 48, 64});
}

QIcon ToolbarImage(TToolbarImage image)
{
    // Our drawing is made only where the theme has no image of that name.
    const QString name = QLatin1String(ToolbarImageName(image));
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : DrawnToolbarImage(image);
}
