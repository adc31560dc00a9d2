#include "rz_panel.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

const QColor kLight(255, 255, 255), kDark(128, 128, 128), kFace(192, 192, 192), kText(0, 0, 0), kBase(250, 250, 200);

template <typename Panel> struct Counting : Panel {
    int paints = 0;
    void paintEvent(QPaintEvent* e) override {
        ++paints;
        Panel::paintEvent(e);
    }
};

template <typename Panel> void Prepare(Panel& p, QSize size) {
    QPalette pal = p.palette();
    pal.setColor(QPalette::Light, kLight);
    pal.setColor(QPalette::Dark, kDark);
    pal.setColor(QPalette::Button, kFace);
    pal.setColor(QPalette::WindowText, kText);
    pal.setColor(QPalette::Base, kBase);
    p.setPalette(pal);
    p.SetColor(kFace);
    p.SetBorderColor(kFace);
    p.resize(size);
}

QImage Render(QWidget& w) {
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}

// Rows of the image that hold caption pixels (dark enough to be text).
std::pair<int, int> TextRows(const QImage& image, QRect area) {
    int first = -1, last = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return {first, last};
}

TEST(RzPanelTest, LongCaptionWrapsAndCentresAsABlockButModPanelKeepsOneLine) {
    const QString caption = "Sunday of the Holy Fathers of the First Ecumenical Council   Tone 6   Fast-free";
    TRzPanel rz;
    TModPanel mod;
    Prepare(rz, QSize(160, 120));
    Prepare(mod, QSize(160, 120));
    rz.SetCaption(caption);
    mod.SetCaption(caption);
    const int line = QFontMetrics(rz.font()).height();

    const QRect wrapped = rz.CaptionRect();
    EXPECT_GE(wrapped.height(), 2 * line);
    const QRect inner(1, 1, 158, 118);   // inside the one-pixel raised bevel
    EXPECT_EQ(wrapped.top(), (inner.top() + inner.top() + inner.height() - wrapped.height()) / 2);
    const auto [rzFirst, rzLast] = TextRows(Render(rz), inner);
    EXPECT_GT(rzLast - rzFirst, line);
    EXPECT_NEAR((rzFirst + rzLast) / 2.0, 60, line / 2.0 + 1);

    EXPECT_EQ(mod.CaptionRect().height(), line);
    const auto [modFirst, modLast] = TextRows(Render(mod), inner);
    EXPECT_LE(modLast - modFirst, line);
}

TEST(RzPanelTest, BorderSideTopDrawsALineAndNarrowsTheClientArea) {
    TRzPanel p;
    Prepare(p, QSize(50, 30));
    p.SetBorderSides(sdTop);
    EXPECT_EQ(p.GetClientRect(), QRect(0, 1, 50, 29));
    EXPECT_EQ(p.contentsRect(), QRect(0, 1, 50, 29));
    const QImage image = Render(p);
    for (int x = 0; x < 50; ++x) EXPECT_EQ(QColor(image.pixel(x, 0)), QColor(Qt::black)) << x;
    // The raised bevel lies inside that line: highlight at the top and left, shadow at the right and bottom.
    EXPECT_EQ(QColor(image.pixel(25, 1)), kLight);
    EXPECT_EQ(QColor(image.pixel(0, 15)), kLight);
    EXPECT_EQ(QColor(image.pixel(49, 15)), kDark);
    EXPECT_EQ(QColor(image.pixel(25, 29)), kDark);
    EXPECT_EQ(QColor(image.pixel(25, 2)), kFace);
}

TEST(RzPanelTest, BevelsBorderAndSides) {
    TRzPanel p;
    Prepare(p, QSize(40, 40));
    p.SetBevelOuter(bvLowered);
    p.SetBevelWidth(2);
    p.SetBorderWidth(1);
    p.SetBorderColor(QColor(0, 0, 255));
    p.SetBevelInner(bvSpace);
    QImage image = Render(p);
    EXPECT_EQ(QColor(image.pixel(0, 20)), kDark);    // lowered: shadow on the left, twice
    EXPECT_EQ(QColor(image.pixel(1, 20)), kDark);
    EXPECT_EQ(QColor(image.pixel(39, 20)), kLight);  // highlight on the right
    EXPECT_EQ(QColor(image.pixel(2, 20)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(image.pixel(3, 20)), kBase);   // the space bevel, twice
    EXPECT_EQ(QColor(image.pixel(4, 20)), kBase);
    EXPECT_EQ(QColor(image.pixel(5, 20)), kFace);
    EXPECT_EQ(p.CaptionRect().left(), 5);
    // Bevels only on the top: the other sides show the panel's colour, but the frames still take their room.
    p.SetBevelSides(sdTop);
    image = Render(p);
    EXPECT_EQ(QColor(image.pixel(20, 0)), kDark);
    EXPECT_EQ(QColor(image.pixel(0, 20)), kFace);
    EXPECT_EQ(QColor(image.pixel(39, 20)), kFace);
    EXPECT_EQ(p.CaptionRect().left(), 5);
}

TEST(RzPanelTest, SettingTheCurrentValueDoesNotRepaint) {
    Counting<TRzPanel> p;
    Prepare(p, QSize(80, 30));
    p.SetCaption("Select Date");
    p.show();
    QApplication::processEvents();
    p.paints = 0;
    p.SetBevelSides(AllSides);
    p.SetBorderColor(kFace);
    p.SetBorderSides(TSides());
    p.SetVerticalAlignment(vaCenter);
    p.SetCaption("Select Date");
    QApplication::processEvents();
    EXPECT_EQ(p.paints, 0);
    p.SetVerticalAlignment(vaTop);
    QApplication::processEvents();
    EXPECT_GE(p.paints, 1);
}

TEST(RzPanelTest, VerticalPlaces) {
    TModPanel p;
    Prepare(p, QSize(120, 60));
    p.SetCaption("Bible Search");
    const int line = QFontMetrics(p.font()).height();
    p.SetVerticalAlignment(vaBottom);
    // One pixel between the caption's last line and the bottom of the inner rectangle (59 exclusive).
    EXPECT_EQ(p.CaptionRect().top() + p.CaptionRect().height(), 59 - 1);
    EXPECT_LT(TextRows(Render(p), QRect(1, 1, 118, 58)).second, 58);
    p.SetVerticalAlignment(vaTop);
    EXPECT_EQ(p.CaptionRect().top(), 1);
    EXPECT_EQ(p.CaptionRect().height(), line);
}

TEST(RzPanelTest, ClicksAreReported) {
    TRzPanel p;
    p.resize(30, 30);
    int clicks = 0, downs = 0, ups = 0;
    QObject::connect(&p, &TRzPanel::Click, [&] { ++clicks; });
    QObject::connect(&p, &TRzPanel::MouseDown, [&](Qt::MouseButton) { ++downs; });
    QObject::connect(&p, &TRzPanel::MouseUp, [&](Qt::MouseButton) { ++ups; });
    const QPointF at(10, 10);
    QMouseEvent press(QEvent::MouseButtonPress, at, p.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, p.mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&p, &press);
    QApplication::sendEvent(&p, &release);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(clicks, 1);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
