// Choosing installed versions for the six roles and applying them.
#include "versions_fixture.h"

#include <QTest>

#include "bible_reader.h"

namespace {

const QString WebName = QStringLiteral("World English Bible");
// Matthew 2:1 of the Nativity Gospel in the two versions.
const QString KjvWording = QStringLiteral("in the days of Herod the king");
const QString WebWording = QStringLiteral("in the days of King Herod");

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

class RolesTest : public VersionsTest {
protected:
    void SetUp() override
    {
        VersionsTest::SetUp();
        ASSERT_TRUE(Install(SourceCopy("web_unbound.txt", QStringLiteral("web.txt")), WebName));
    }
};

} // namespace

TEST_F(RolesTest, WebReadsTheGospelAndFillsTheSearchListsAlsoAfterARestart)
{
    ASSERT_TRUE(Page().contains(KjvWording));
    Options().ChangeVersionsButtonClick();
    EXPECT_FALSE(Pages().isTabVisible(0));
    EXPECT_FALSE(Options().OKButton->isEnabled());
    Options().VersionRadioButtons[NewTReadingsRole]->click();
    EXPECT_EQ(Pages().currentWidget(), Options().BibleFiles);
    EXPECT_EQ(Options().TitleLabel->text(), "Change Versions");
    EXPECT_TRUE(Options().FileRadioButtons[0]->isEnabled());
    EXPECT_TRUE(Options().FileRadioButtons[1]->isEnabled());
    Options().FileRadioButtons[1]->click();
    Options().UninstallEditOKButton->click();
    EXPECT_EQ(Pages().currentWidget(), Options().ChangeVersionsPage);
    EXPECT_EQ(Options().ActiveVersionLabels[NewTReadingsRole]->text(), WebName);
    EXPECT_EQ(VersionColor(Options().ActiveVersionLabels[NewTReadingsRole]), PendingColor);
    Options().ChangeVersionsOKButton->click();
    EXPECT_EQ(Options().ActiveNT1->text(), WebName);
    EXPECT_EQ(VersionColor(Options().ActiveNT1), PendingColor);
    EXPECT_EQ(VersionColor(Options().ActiveVersionLabels[NewTReadingsRole]), InForceColor);
    ASSERT_TRUE(Page().contains(KjvWording));   // nothing in force before Apply

    EXPECT_TRUE(Options().ApplyButtonClick());
    EXPECT_TRUE(Page().contains(WebWording));
    EXPECT_EQ(VersionColor(Options().ActiveNT1), InForceColor);
    EXPECT_FALSE(Options().ApplyButton->isEnabled());
    EXPECT_EQ(Reader().FNewTReadingsFile, "web.txt");
    EXPECT_EQ(Reader().FMappedSize, QFileInfo(env.DataDir() + "web.txt").size());

    // The search roles of both testaments with books: the lists are the record's.
    ASSERT_TRUE(Choose(4, 1));
    ASSERT_TRUE(Choose(5, 1));
    EXPECT_EQ(Items(Reader().NewT), FromCommaText(ReadInstalledFileString(WebName, "NewTBooks")));
    const QStringList apocrypha = FromCommaText(ReadInstalledFileString(WebName, "ApocBooks"));
    EXPECT_EQ(apocrypha.size(), 14);
    EXPECT_EQ(Items(Reader().Apoc), apocrypha);
    // Applied names are the snapshot that the dialog's Cancel puts back.
    Options().CancelButtonClick();
    EXPECT_EQ(Options().ActiveApoc2->text(), WebName);

    Create();
    EXPECT_EQ(Options().ActiveNT1->text(), WebName);
    EXPECT_EQ(Options().ActiveNT2->text(), WebName);
    EXPECT_EQ(Options().ActiveOT1->text(), BuiltInVersionName);
    EXPECT_TRUE(Page().contains(WebWording));
    EXPECT_EQ(Items(Reader().Apoc), apocrypha);
    EXPECT_EQ(Items(Reader().NewT), DefaultBookList(1));
    // The open search reads the installed Apocrypha with its own book list.
    env.main->MFindSaint->trigger();
    Reader().SearchGroupItems->button(2)->click();
    EXPECT_TRUE(Reader().ShowVersesLabel->text().startsWith("Baruch   1:1-")) << Reader().ShowVersesLabel->text().toStdString();
}

TEST_F(RolesTest, ApplyAsksAboutAnEditedReadingsPageFirst)
{
    QTextEdit& edit = *env.main->MainRichEdit;
    edit.moveCursor(QTextCursor::End);
    edit.insertPlainText(QStringLiteral(" My own note."));
    const QString edited = Page();
    Answer({QMessageBox::Cancel});
    EXPECT_FALSE(Choose(NewTReadingsRole, 1));
    EXPECT_EQ(Page(), edited);
    EXPECT_TRUE(edit.document()->isModified());
    EXPECT_EQ(Reader().FNewTReadingsFile, BuiltInNewTFile);
    EXPECT_TRUE(Options().ApplyButton->isEnabled());
    EXPECT_EQ(VersionColor(Options().ActiveNT1), PendingColor);
    EXPECT_TRUE(LastMessage().startsWith("Text has changed. "));

    // OK runs the pending Apply first, and stops with it.
    Answer({QMessageBox::Cancel});
    Options().OKButtonClick();
    EXPECT_EQ(Page(), edited);
    EXPECT_TRUE(Options().ApplyButton->isEnabled());

    Answer({QMessageBox::No});
    EXPECT_TRUE(Options().ApplyButtonClick());
    EXPECT_TRUE(Page().contains(WebWording));
    EXPECT_FALSE(Page().contains("My own note."));
}

TEST_F(RolesTest, ReadingsPageIsRebuiltOnlyWhereItShowsGeneratedText)
{
    QFile file(env.main->FPersonalFileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 Mine\\par}");
    file.close();
    // The file is there but the original text is shown: that page is rebuilt.
    Options().LoadOriginal->click();
    ASSERT_TRUE(Page().contains(KjvWording));
    ASSERT_TRUE(Choose(NewTReadingsRole, 1));
    EXPECT_TRUE(Page().contains(WebWording));
    // An open Find Bible Verses dialog keeps its search file; the page reads the readings files.
    env.main->MFindSaint->trigger();
    ASSERT_TRUE(Reader().FSearchActive);
    ASSERT_TRUE(Choose(NewTReadingsRole, 0));
    EXPECT_TRUE(Page().contains(KjvWording));
    ASSERT_TRUE(Choose(NewTReadingsRole, 1));
    EXPECT_TRUE(Page().contains(WebWording));
    EXPECT_EQ(Reader().FMappedSize, QFileInfo(SELV_PROGRAM_DIR "/NewTstmt.dat").size());
    Reader().CancelButton->click();
    EXPECT_EQ(Reader().FMappedSize, QFileInfo(env.DataDir() + "web.txt").size());
    // The personalized page shown stays as it is.
    Options().LoadPersonalized->click();
    ASSERT_EQ(Page().trimmed(), "Mine");
    ASSERT_TRUE(Choose(NewTReadingsRole, 0));
    EXPECT_EQ(Page().trimmed(), "Mine");
    EXPECT_EQ(Reader().FNewTReadingsFile, BuiltInNewTFile);
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST_F(RolesTest, PickOffersOnlyVersionsFitForTheRole)
{
    // The World English Bible's Apocrypha lacks a book the readings need.
    // Its name is greyed out with its button, and a click on it picks nothing.
    Options().show();
    Options().ChangeVersionsButtonClick();
    Options().VersionRadioButtons[2]->click();
    EXPECT_FALSE(Options().FileRadioButtons[1]->isEnabled());
    EXPECT_FALSE(Options().FileLabels[1]->isEnabled());
    EXPECT_TRUE(Options().FileRadioButtons[0]->isEnabled());
    QTest::mouseClick(Options().FileLabels[1], Qt::LeftButton);
    EXPECT_FALSE(Options().FileRadioButtons[1]->isChecked());
    Options().UninstallEditCancelButton->click();
    EXPECT_EQ(Pages().currentWidget(), Options().ChangeVersionsPage);
    EXPECT_EQ(VersionColor(Options().ActiveVersionLabels[2]), InForceColor);
    // A click on a name picks its version as its button does.
    Options().VersionRadioButtons[5]->click();
    EXPECT_TRUE(Options().FileRadioButtons[1]->isEnabled());
    EXPECT_TRUE(Options().FileLabels[1]->isEnabled());
    QTest::mouseClick(Options().FileLabels[0], Qt::LeftButton);   // the version it has already
    EXPECT_TRUE(Options().FileRadioButtons[0]->isChecked());
    EXPECT_TRUE(Options().UninstallEditOKButton->isEnabled());
    Options().UninstallEditOKButton->click();
    EXPECT_EQ(VersionColor(Options().ActiveVersionLabels[5]), PendingColor);
    Options().ChangeVersionsCancelButton->click();
    EXPECT_EQ(VersionColor(Options().ActiveVersionLabels[5]), InForceColor);
    EXPECT_FALSE(Options().ApplyButton->isEnabled());
    EXPECT_TRUE(Pages().isTabVisible(1));

    // Closing the dialog from its title bar in the middle of a pick leaves the pages first.
    Options().ChangeVersionsButtonClick();
    Options().VersionRadioButtons[0]->click();
    Options().reject();
    EXPECT_TRUE(Pages().isTabVisible(0));
    EXPECT_TRUE(Options().OKButton->isEnabled());
    EXPECT_FALSE(Options().FChangeVersionMode);
    EXPECT_TRUE(Options().FileLabels[1]->isEnabled());
}

TEST_F(RolesTest, AReadingsFileChangedUnderTheProgramIsReportedOnceThenReadAsItStands)
{
    ASSERT_TRUE(Choose(NewTReadingsRole, 1));
    const QString path = env.DataDir() + "web.txt";
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(QFile::resize(path, 1000));
    env.main->MNextDay->trigger();
    EXPECT_EQ(env.messages.size(), 1);
    EXPECT_TRUE(LastMessage().startsWith("The file \"web.txt\" is damaged or missing")) << LastMessage().toStdString();
    // What is left of the file lacks the day's readings: one message for the whole page.
    env.main->MNextDay->trigger();
    EXPECT_EQ(env.messages.size(), 2);
    EXPECT_TRUE(LastMessage().startsWith("Error 001: ")) << LastMessage().toStdString();
}
