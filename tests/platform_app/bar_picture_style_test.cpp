#include "bar_picture_style.h"

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QScrollBar>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QImage Render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

// Each look comes from its own picture: a bar drawn after another of the same size but another
// state, range or position looks exactly as the application's style draws it.
TEST(BarPictureStyle, ScrollBarsLookAsTheStyleDrawsThemInEveryState)
{
    TBarPictureStyle style;
    QScrollBar plain, pictured;
    pictured.setStyle(&style);
    struct TState {
        Qt::Orientation orientation;
        QSize size;
        int maximum, pageStep, value;
        bool enabled;
    };
    const TState states[] = {
        {Qt::Vertical, {16, 600}, 1000, 100, 0, true},
        {Qt::Vertical, {16, 600}, 1000, 100, 500, true},
        {Qt::Vertical, {16, 600}, 1000, 100, 1000, true},
        {Qt::Vertical, {16, 600}, 3000, 100, 1000, true},
        {Qt::Vertical, {16, 600}, 3000, 600, 1000, true},
        {Qt::Vertical, {16, 600}, 3000, 600, 1000, false},
        {Qt::Vertical, {16, 400}, 3000, 600, 1000, false},
        {Qt::Vertical, {16, 400}, 0, 600, 0, true},
        {Qt::Horizontal, {400, 16}, 3000, 600, 1000, true},
    };
    for (const TState& state : states) {
        for (QScrollBar* bar : {&plain, &pictured}) {
            bar->setOrientation(state.orientation);
            bar->resize(state.size);
            bar->setRange(0, state.maximum);
            bar->setPageStep(state.pageStep);
            bar->setValue(state.value);
            bar->setEnabled(state.enabled);
        }
        EXPECT_EQ(Render(pictured), Render(plain))
            << state.size.height() << " " << state.maximum << " " << state.pageStep << " " << state.value;
    }
}

TEST(BarPictureStyle, ToolBarsLookAsTheStyleDrawsThem)
{
    TBarPictureStyle style;
    QMainWindow plain, pictured;
    for (QMainWindow* window : {&plain, &pictured}) {
        QToolBar* first = window->addToolBar(QStringLiteral("First"));
        first->addAction(QStringLiteral("One"));
        window->addToolBarBreak();
        window->addToolBar(QStringLiteral("Second"))->addAction(QStringLiteral("Two"));
    }
    for (QToolBar* bar : pictured.findChildren<QToolBar*>())
        bar->setStyle(&style);
    for (int width : {300, 900}) {
        plain.resize(width, 200);
        pictured.resize(width, 200);
        EXPECT_EQ(Render(pictured), Render(plain)) << width;
    }
}

} // namespace
