// The main window's look at its normal size: both toolbars whole, with their images, and the
// icon caption's type on small screens.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "app_windows.h"
#include "rz_panel.h"
#include "toolbar_images.h"

namespace {

// Every shown item of the toolbar lies inside it, none waits in the overflow menu, and no
// button's caption is cut short.
void ExpectAllItemsShown(QToolBar& bar)
{
    for (QAction* action : bar.actions()) {
        if (!action->isVisible())
            continue;
        QWidget* item = bar.widgetForAction(action);
        ASSERT_NE(item, nullptr);
        const std::string name = item->objectName().toStdString();
        EXPECT_TRUE(item->isVisible()) << name;
        EXPECT_TRUE(bar.rect().contains(item->geometry())) << name;
        if (auto* button = qobject_cast<QToolButton*>(item)) {
            EXPECT_LE(button->sizeHint().width(), button->width()) << name;
        }
    }
}

TEST(MainFormLayout, EveryToolbarButtonIsShownWithItsImageAtTheNormalSize)
{
    TAppWindows env;
    env.Create();
    TSelvarionMainForm& form = *env.main;
    form.setWindowState(Qt::WindowNoState);
    form.show();
    QApplication::processEvents();
    // Each page gives the Find Saint button another caption.
    for (QAction* page : {form.MLivesSaints, form.MDailyBibleReadings, form.MTroparionKontakion}) {
        page->trigger();
        ExpectAllItemsShown(*form.MainToolBar);
    }
    ExpectAllItemsShown(*form.EditToolBar);

    // The image buttons in the order of their images, each showing its image alone.
    const char* const imageButtons[ToolbarImageCount] = {
        "MTBSelectDate", "MTBPreviousYear", "MTBPreviousDay", "MTBToday", "MTBNextDay",
        "MTBNextYear", "MTBSave", "MTBHelpTopics", "ETBUndo", "ETBCut", "ETBCopy", "ETBPaste",
        "ETBFontButton", "ETBBold", "ETBItalic", "ETBUnderline", "ETBLeftAlign",
        "ETBCenterAlign", "ETBRightAlign", "ETBBullets"};
    QList<QImage> drawn;
    for (int i = 0; i < ToolbarImageCount; ++i) {
        const auto* button = form.findChild<QToolButton*>(QLatin1String(imageButtons[i]));
        ASSERT_NE(button, nullptr) << imageButtons[i];
        EXPECT_FALSE(button->icon().isNull()) << imageButtons[i];
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly) << imageButtons[i];
        // Our own drawings stand in for a missing theme: twenty different pictures.
        const QImage image = DrawnToolbarImage(TToolbarImage(i)).pixmap(16, 16).toImage();
        EXPECT_FALSE(drawn.contains(image)) << imageButtons[i];
        drawn << image;
    }
}

// At the normal size, the smallest and a full screen the icon column shows a picture, its caption
// whole above the Show Next Icon button, and the page keeps lines of at least 40 characters.
TEST(MainFormLayout, IconColumnAndPageAreWholeAtEverySize)
{
    TAppWindows env;
    env.SetOption(QStringLiteral("OldCalendar"), false);
    env.Create();
    TSelvarionMainForm& form = *env.main;
    form.setWindowState(Qt::WindowNoState);
    form.show();
    // December 25 has a second icon: the button shows.
    env.ShowDate(QDate(2024, 12, 25));
    QApplication::processEvents();
    const QSize smallest = form.minimumSize();
    EXPECT_TRUE(smallest.width() < 709 && smallest.height() < 544);
    const int readable = QFontMetrics(form.MainRichEdit->font()).horizontalAdvance("Stephen was one of the seven men of good");
    for (const QSize size : {QSize(709, 544), smallest, QSize(1920, 1080)}) {
        form.resize(size);
        QApplication::processEvents();
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        ASSERT_EQ(form.size(), size);
        ASSERT_TRUE(form.ShowNextIcon->isVisible());
        const QRect button(form.ShowNextIcon->mapTo(form.ContainerPanel, QPoint()), form.ShowNextIcon->size());
        const QRect caption = form.CenterPanel->CaptionRect().translated(form.CenterPanel->pos());
        EXPECT_FALSE(caption.intersects(button));
        EXPECT_TRUE(form.CenterPanel->geometry().contains(caption));
        EXPECT_GT(form.MainImage->height(), 0);
        EXPECT_GE(form.MainRichEdit->viewport()->width(), readable);
    }
}

TEST(MainFormLayout, IconCaptionIsSixPointOnASmallScreen)
{
    TAppWindows env;
    env.Create();
    EXPECT_EQ(env.main->CenterPanel->font().family(), "Arial");
    EXPECT_EQ(env.main->CenterPanel->font().pixelSize(), 12);
    env.main->FormShow(QSize(720, 540));
    EXPECT_EQ(env.main->CenterPanel->font().pixelSize(), 12);
    env.main->FormShow(QSize(640, 480));
    EXPECT_EQ(env.main->CenterPanel->font().pointSize(), 6);
}

} // namespace
