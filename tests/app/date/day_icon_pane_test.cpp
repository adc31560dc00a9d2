#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>

#include "app_windows.h"
#include "content_api.h"
#include "day_icon_keys.h"
#include "rz_panel.h"

namespace {

enum class TExtras { Present, Absent, Damaged };

// The windows with a program folder of their own, holding the program's files and the
// supplemental library as the test wants it.
class DayIconPaneTest : public ::testing::Test {
protected:
    void Create(TExtras extras, bool showIcons = true)
    {
        const QDir built(QStringLiteral(SELV_PROGRAM_DIR));
        const QString library = QStringLiteral("libselvxtra.so");
        for (const QString& name : built.entryList(QDir::Files)) {
            if (name != library) {
                ASSERT_TRUE(QFile::link(built.filePath(name), program.filePath(name)));
            }
        }
        if (extras == TExtras::Present) {
            ASSERT_TRUE(QFile::link(built.filePath(library), program.filePath(library)));
        }
        if (extras == TExtras::Damaged) {
            QFile junk(program.filePath(library));
            ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
            junk.write("not a shared object");
        }
        qputenv("SELVARION_PROGRAM_DIR", program.path().toUtf8());
        env.SetOption(QStringLiteral("OldCalendar"), false);
        env.SetOption(QStringLiteral("ShowIcons"), showIcons);
        env.Create();
    }
    void Show(int year, int month, int day) { env.ShowDate(QDate(year, month, day)); }
    int Key() const { return env.dateBox->FCurrentIconKey; }
    void Next() { env.main->ShowNextIconClick(); }
    bool NextShown() const
    {
        return !env.main->ShowNextIcon->isHidden() && env.main->MShowNextIcon->isEnabled() &&
               env.main->BottomPanel->height() == env.main->ShowNextIcon->height();
    }
    bool NextHidden() const
    {
        return env.main->ShowNextIcon->isHidden() && !env.main->MShowNextIcon->isEnabled() &&
               env.main->BottomPanel->height() == 0;
    }
    QString Caption() const { return env.main->CenterPanel->Caption(); }
    QPixmap Picture() const { return env.main->MainImage->pixmap(); }

    QTemporaryDir program;
    TAppWindows env;
};

} // namespace

TEST_F(DayIconPaneTest, MainIconWithCaptionAndColumnSizedForTheScreen)
{
    Create(TExtras::Present);
    Show(2026, 1, 1);
    EXPECT_EQ(Key(), 101);
    EXPECT_EQ(Caption(), QStringLiteral("CIRCUMCISION OF OUR LORD; ST BASIL THE GREAT"));
    ASSERT_FALSE(Picture().isNull());
    EXPECT_EQ(Picture().height(), 280);
    const TIconScale scale = IconScaleFor(env.dateBox->screen()->size().height());
    EXPECT_EQ(env.main->ContainerPanel->layout()->sizeHint(),
              QSize(ScaledSide(Picture().width(), scale.width), ScaledSide(280, scale.height)));
    EXPECT_EQ(env.main->ContainerPanel->width(), ScaledSide(Picture().width(), scale.width));
    EXPECT_TRUE(NextShown());
    EXPECT_EQ(env.main->ShowNextIcon->text(), QStringLiteral("Show Next Icon      F12"));
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST_F(DayIconPaneTest, ShowNextIconStepsThroughTheDaysIcons)
{
    Create(TExtras::Present);
    Show(2026, 1, 1);
    Next();
    EXPECT_EQ(Key(), 10101);
    EXPECT_FALSE(Caption().isEmpty());
    EXPECT_FALSE(Picture().isNull());
    env.main->MShowNextIcon->trigger();   // F12
    EXPECT_EQ(Key(), 20101);
    Next();
    EXPECT_EQ(Key(), 101);
    EXPECT_EQ(Caption(), QStringLiteral("CIRCUMCISION OF OUR LORD; ST BASIL THE GREAT"));
    // The next day starts again from its first icon.
    Next();
    Show(2026, 1, 2);
    EXPECT_EQ(Key(), 106);
}

TEST_F(DayIconPaneTest, DayWithoutMainIconShowsItsSupplementalIcons)
{
    Create(TExtras::Present);
    Show(2026, 1, 15);   // one supplemental icon only
    EXPECT_EQ(Key(), 10115);
    EXPECT_FALSE(Picture().isNull());
    EXPECT_TRUE(NextHidden());
    Show(2026, 2, 23);   // two
    EXPECT_EQ(Key(), 10223);
    EXPECT_TRUE(NextShown());
    Next();
    EXPECT_EQ(Key(), 20223);
    Next();
    EXPECT_EQ(Key(), 10223);
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST_F(DayIconPaneTest, WithoutTheLibraryGenericIconsStandIn)
{
    Create(TExtras::Absent);
    Show(2010, 5, 30);   // after Pentecost of an early Pascha
    EXPECT_EQ(Key(), 5);
    EXPECT_EQ(Caption(), QStringLiteral("HOLY PENTECOST"));
    EXPECT_TRUE(NextHidden());
    Show(2026, 8, 25);
    EXPECT_EQ(Key(), 815);
    Show(2026, 8, 3);
    EXPECT_EQ(Key(), 806);
    Show(2026, 1, 1);   // a main icon, but no further ones
    EXPECT_EQ(Key(), 101);
    EXPECT_TRUE(NextHidden());
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST_F(DayIconPaneTest, DamagedLibraryIsReportedAndTheProgramGoesOn)
{
    Create(TExtras::Damaged);
    env.messages.clear();
    Show(2026, 1, 15);
    EXPECT_EQ(env.messages, (QStringList{QStringLiteral("Unable to Load libselvxtra.so"),
                                         QStringLiteral("Unable to Load DLL")}));
    EXPECT_EQ(Key(), 10115);
    EXPECT_TRUE(Picture().isNull());
    EXPECT_TRUE(Caption().isEmpty());
    EXPECT_TRUE(NextHidden());
    // Days with a main icon are shown as usual.
    env.messages.clear();
    Show(2026, 1, 1);
    EXPECT_EQ(Key(), 101);
    EXPECT_FALSE(Picture().isNull());
    EXPECT_GT(env.main->ContainerPanel->width(), 0);
}

TEST_F(DayIconPaneTest, HiddenColumnIgnoresShowNextIcon)
{
    Create(TExtras::Present, false);
    Show(2026, 1, 1);
    EXPECT_EQ(Key(), 0);   // nothing loaded while icons are off
    EXPECT_EQ(env.main->ContainerPanel->width(), 0);
    Next();
    EXPECT_EQ(Key(), 0);
    env.options->ShowIcons->setChecked(true);
    env.options->OKButtonClick();
    EXPECT_EQ(Key(), 101);
    EXPECT_GT(env.main->ContainerPanel->width(), 0);
}

TEST_F(DayIconPaneTest, DisplayChangeReloadsTheIconOnScreen)
{
    Create(TExtras::Present);
    Show(2026, 1, 1);
    Next();
    env.main->MainImage->clear();
    env.main->WMDisplayChange();
    EXPECT_EQ(Key(), 10101);
    EXPECT_FALSE(Picture().isNull());

    env.options->ShowIcons->setChecked(false);
    env.options->OKButtonClick();
    env.main->MainImage->clear();
    env.main->WMDisplayChange();
    EXPECT_TRUE(Picture().isNull());
    EXPECT_EQ(Key(), 10101);
}
