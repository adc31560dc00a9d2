#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QKeyEvent>
#include <QTextEdit>
#include <QToolBar>

#include "app_windows.h"
#include "installed_versions.h"
#include "rz_panel.h"

namespace {

class OptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.SetOption(QStringLiteral("OldCalendar"), false);
        env.Create();
        env.ShowDate(QDate(2024, 12, 25));
    }
    TOptionsDialog& Options() { return *env.options; }
    TSelvarionMainForm& Main() { return *env.main; }
    TAppWindows env;
};

} // namespace

TEST_F(OptionsDialogTest, IconColumnHidesAndComesBackWithItsWidth)
{
    const int width = Main().ContainerPanel->width();
    ASSERT_GT(width, 0);
    Options().ShowIcons->setChecked(false);
    Options().OKButtonClick();
    EXPECT_EQ(Main().ContainerPanel->width(), 0);
    Options().ShowIcons->setChecked(true);
    Options().OKButtonClick();
    EXPECT_EQ(Main().ContainerPanel->width(), width);
}

TEST_F(OptionsDialogTest, CancelPutsTheControlsBackAndAppliesNothing)
{
    Options().ShowMainToolbar->setChecked(false);
    Options().UseLukanJump->setChecked(false);
    Options().LoadOriginal->setChecked(true);
    Options().ActiveNT1->setText(QStringLiteral("Pending"));
    Options().CancelButtonClick();
    EXPECT_TRUE(Options().ShowMainToolbar->isChecked());
    EXPECT_TRUE(Options().UseLukanJump->isChecked());
    EXPECT_TRUE(Options().LoadPersonalized->isChecked());
    EXPECT_FALSE(Options().LoadOriginal->isChecked());
    EXPECT_EQ(Options().ActiveNT1->text(), BuiltInVersionName);
    EXPECT_TRUE(Main().MainToolBar->isVisibleTo(&Main()));

    // Esc and closing from the title bar are Cancel as well: a change left pending would be
    // taken up by the next page built.
    Options().show();
    Options().UseLukanJump->setChecked(false);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&Options(), &escape);
    EXPECT_TRUE(Options().UseLukanJump->isChecked());
    EXPECT_FALSE(Options().isVisible());
    Options().show();
    Options().UseLukanJump->setChecked(false);
    Options().close();
    EXPECT_TRUE(Options().UseLukanJump->isChecked());
}

TEST_F(OptionsDialogTest, OkAppliesToolbarsAndTheDialogsSwitch)
{
    Options().ShowEditToolbar->setChecked(false);
    Options().ShowDialogs->setChecked(false);
    Options().OKButtonClick();
    EXPECT_FALSE(Main().EditToolBar->isVisibleTo(&Main()));
    EXPECT_TRUE(Options().FDontAskSave && Options().FDontAskProceed);
    Options().ShowDialogs->setChecked(true);
    Options().OKButtonClick();
    EXPECT_FALSE(Options().FDontAskSave || Options().FDontAskProceed);
    // The applied state is the new snapshot: Cancel keeps it.
    Options().CancelButtonClick();
    EXPECT_FALSE(Options().ShowEditToolbar->isChecked());
}

TEST_F(OptionsDialogTest, LukanJumpRefreshesTheFeastBarAndTheReadingsPage)
{
    env.ShowDate(QDate(2024, 10, 20));   // a Sunday where the jump changes the week's name
    const QString withJump = Main().InfoBar->Caption();
    Options().UseLukanJump->setChecked(false);
    Options().OKButtonClick();
    EXPECT_EQ(Main().InfoBar->Caption().toStdString(), env.dateBox->GetDayDescription());
    EXPECT_NE(Main().InfoBar->Caption(), withJump);

    Main().MDailyBibleReadings->trigger();
    Main().MainRichEdit->setPlainText(QStringLiteral("stale"));
    Options().UseLukanJump->setChecked(true);
    Options().OKButtonClick();
    EXPECT_NE(Main().MainRichEdit->toPlainText(), "stale");
}

TEST_F(OptionsDialogTest, VerseNumberKeyFlipsTheBoxAndSurvivesCancel)
{
    Main().MDailyBibleReadings->trigger();
    const QString withNumbers = Main().MainRichEdit->toPlainText();
    Main().MShowVerseNumbers->trigger();
    EXPECT_FALSE(Options().ShowVerseNumbers->isChecked());
    EXPECT_NE(Main().MainRichEdit->toPlainText(), withNumbers);
    Options().CancelButtonClick();
    EXPECT_FALSE(Options().ShowVerseNumbers->isChecked());
}

TEST_F(OptionsDialogTest, RadioButtonsReloadAShownPersonalizedPage)
{
    QFile file(env.DataDir() + "12-25.trp");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 Mine\\par}");
    file.close();
    env.ShowDate(QDate(2024, 12, 25));
    EXPECT_EQ(Main().MainRichEdit->toPlainText().trimmed(), "Mine");
    Options().LoadOriginal->click();
    EXPECT_NE(Main().MainRichEdit->toPlainText().trimmed(), "Mine");
    EXPECT_EQ(Main().StatusPanel1->text(),
              "Personalized file not loaded. Viewing troparia and kontakia for December 25");
    Options().LoadPersonalized->click();
    EXPECT_EQ(Main().MainRichEdit->toPlainText().trimmed(), "Mine");
    EXPECT_EQ(Main().StatusPanel1->text(), "Viewing personalized troparia and kontakia for December 25");
    // Cancel puts the page back with the choice.
    Options().LoadOriginal->click();
    Options().CancelButtonClick();
    EXPECT_TRUE(Options().LoadPersonalized->isChecked());
    EXPECT_EQ(Main().MainRichEdit->toPlainText().trimmed(), "Mine");
}

TEST_F(OptionsDialogTest, VersionNamesAreShownAsPlainTextAndLongOnesCutShort)
{
    const QString markup = QStringLiteral("<b>B</b>"), hand(310, QLatin1Char('N'));   // longer than names given
    env.Destroy();
    for (const QString& name : {markup, hand}) TRegIniFile(InstalledFilesKey).WriteString(name, "Filename", "f.txt");
    TRegIniFile(SettingsKey).WriteString("Options", "NewTSearchVersion", hand);
    env.Create();
    QLabel* shown = Options().FileLabels[1];
    ASSERT_EQ(shown->text(), markup);
    EXPECT_GE(shown->sizeHint().width(), shown->fontMetrics().horizontalAdvance(markup));
    EXPECT_EQ(Options().ActiveNT2->text(), hand);
    Options().show();
    EXPECT_LT(Options().width(), 1000);
    Options().hide();
}
