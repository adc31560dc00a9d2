#include <gtest/gtest.h>

#include <QAction>
#include <QToolBar>
#include <QToolButton>

#include "app_windows.h"

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
            EXPECT_FALSE(button->icon().isNull() && button->text().isEmpty()) << name;
        }
    }
}

TEST(MainFormToolbars, EveryButtonIsShownAtTheNormalWindowSize)
{
    TAppWindows env;
    env.Create();
    TSelvarionMainForm& form = *env.main;
    form.setWindowState(Qt::WindowNoState);
    form.show();
    QApplication::processEvents();
    std::cerr << form.width() << " main " << form.MainToolBar->sizeHint().width() << " edit " << form.EditToolBar->sizeHint().width() << "\n";
    for (QToolBar* bar : {form.MainToolBar, form.EditToolBar}) {
        for (QAction* action : bar->actions()) { QWidget* w = bar->widgetForAction(action); if (w) std::cerr << w->objectName().toStdString() << " " << w->x() << "," << w->y() << " " << w->width() << "x" << w->height() << " bar " << bar->height() << " vis " << w->isVisible() << " hint " << w->sizeHint().width() << "\n"; }
    }
    // The longest captions of the Find Saint button.
    for (QAction* page : {form.MLivesSaints, form.MDailyBibleReadings, form.MTroparionKontakion}) {
        page->trigger();
        ExpectAllItemsShown(*form.MainToolBar);
    }
    ExpectAllItemsShown(*form.EditToolBar);
}

} // namespace
