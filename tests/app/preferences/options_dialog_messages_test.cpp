// The Preferences dialog's own message boxes, its folder button, its F1 flag and the
// controls of its Bible-version pages.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "app_windows.h"
#include "url_recorder.h"

namespace {

class OptionsDialogMessagesTest : public ::testing::Test {
protected:
    void SetUp() override { env.Create(); }
    TOptionsDialog& Options() { return *env.options; }
    // Answers the next box with `answer`, ticking its check box first when asked to, and
    // records the box's caption, position and check box.
    void Answer(QMessageBox::StandardButton answer, bool tick)
    {
        SetMessageBoxHook([=, this](QMessageBox& box) {
            caption = box.windowTitle();
            centre = box.geometry().center();
            hadCheckBox = box.checkBox() != nullptr;
            if (hadCheckBox) {
                checkBoxText = box.checkBox()->text();
                EXPECT_FALSE(box.checkBox()->isChecked());
                box.checkBox()->setChecked(tick);
            }
            return answer;
        });
    }
    TAppWindows env;
    QString caption, checkBoxText;
    QPoint centre;
    bool hadCheckBox = false;
};

} // namespace

TEST_F(OptionsDialogMessagesTest, PlainMessageIsCentredOnTheDialogWithoutACheckBox)
{
    Options().setGeometry(200, 150, 331, 362);
    Answer(QMessageBox::No, true);
    EXPECT_EQ(Options().ShowDialogMessage(QStringLiteral("Proceed?"), QMessageBox::Question,
                                          QMessageBox::Yes | QMessageBox::No),
              QMessageBox::No);
    EXPECT_EQ(caption, "Selvarion");
    EXPECT_FALSE(hadCheckBox);
    EXPECT_LE((centre - Options().frameGeometry().center()).manhattanLength(), 2);
}

TEST_F(OptionsDialogMessagesTest, DontAskAgainIsReportedWhicheverButtonCloses)
{
    bool dontAsk = true;
    Answer(QMessageBox::Cancel, true);
    EXPECT_EQ(Options().AskWithDontAskAgain(QStringLiteral("Save a backup?"), QMessageBox::Question,
                                            QMessageBox::Yes | QMessageBox::Cancel, dontAsk),
              QMessageBox::Cancel);
    EXPECT_TRUE(hadCheckBox);
    EXPECT_EQ(checkBoxText, "Don't ask me this again");
    EXPECT_TRUE(dontAsk);

    Answer(QMessageBox::Yes, false);
    Options().AskWithDontAskAgain(QStringLiteral("Save a backup?"), QMessageBox::Question,
                                  QMessageBox::Yes | QMessageBox::Cancel, dontAsk);
    EXPECT_FALSE(dontAsk);

    // The box is added to that question only.
    Answer(QMessageBox::Ok, true);
    Options().ShowDialogMessage(QStringLiteral("Done"), QMessageBox::Information, QMessageBox::Ok);
    EXPECT_FALSE(hadCheckBox);
}

TEST_F(OptionsDialogMessagesTest, FolderButtonOpensTheDataFolderInTheFileManager)
{
    TUrlRecorder desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "Open");
    Options().AppDataButton->click();
    EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(env.main->FAppDataDir)});
    EXPECT_TRUE(env.messages.isEmpty());

    // A data folder that could not be made is said so, not opened.
    env.main->FAppDataDir = env.data.filePath(QStringLiteral("missing/Selvarion/"));
    Options().AppDataButton->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(env.messages, QStringList{QStringLiteral("The folder \"") +
                                        QDir::toNativeSeparators(env.main->FAppDataDir) +
                                        QStringLiteral("\" cannot be opened in a file manager.")});
}

TEST_F(OptionsDialogMessagesTest, ShowingClearsTheHelpFlag)
{
    // A flag left set by an F1 that asked for no help does not place the next popup.
    env.main->FHelpKeyPressed = true;
    Options().show();
    EXPECT_FALSE(env.main->FHelpKeyPressed);
    Options().hide();
}

TEST_F(OptionsDialogMessagesTest, BibleVersionPagesStartWithNothingInstalled)
{
    QTabWidget& pages = *Options().PageControl;
    ASSERT_EQ(pages.count(), 5);
    EXPECT_TRUE(pages.isTabVisible(2));
    EXPECT_EQ(pages.tabText(2), "Bible Files");
    EXPECT_FALSE(pages.isTabVisible(3));
    EXPECT_FALSE(pages.isTabVisible(4));
    EXPECT_EQ(Options().FileLabels[0]->text(), BuiltInVersionName);
    EXPECT_TRUE(Options().FileLabels[0]->isEnabled());
    for (size_t i = 1; i < Options().FileLabels.size(); ++i) {
        EXPECT_EQ(Options().FileLabels[i]->text(), "Not Installed");
        EXPECT_FALSE(Options().FileLabels[i]->isEnabled());
        EXPECT_FALSE(Options().FileRadioButtons[i]->isEnabled());
    }
    for (QPushButton* button : {Options().ApplyButton, Options().UninstallButton, Options().EditButton,
                                Options().InstallOKButton})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_TRUE(Options().InstallButton->isEnabled());
    EXPECT_TRUE(Options().ChangeVersionsButton->isEnabled());
    EXPECT_EQ(Options().NameEdit->maxLength(), 45);
    EXPECT_TRUE(Options().AppDataButton->isEnabled());
}
