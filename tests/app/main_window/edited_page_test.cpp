// An edited page is replaced only after the save question was answered Yes or No, and a
// personalized file is written only by a save the user asked for, of a page read from it.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

#include <functional>
#include <memory>

#include "app_windows.h"
#include "custom_find_dialog.h"
#include "font_dialog.h"
#include "rtf.h"
#include "rz_panel.h"
#include "save_dialog.h"

namespace {

const QByteArray Mine = "{\\rtf1 Mine\\par}";

// The windows on December 25, 2024 (new calendar, troparia page); message boxes are
// answered from a queue (OK when it is empty) and recorded.
class EditedPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.SetOption(QStringLiteral("OldCalendar"), false);
        env.Create();
        env.ShowDate(QDate(2024, 12, 25));
    }
    ~EditedPageTest() override
    {
        SetSaveDialogHook(nullptr);
        SetFontDialogHook(nullptr);
    }

    TSelvarionMainForm& Main() const { return *env.main; }
    TOptionsDialog& Options() const { return *env.options; }
    TBibleSearchDlg& Dlg() const { return *env.bible; }
    QTextDocument& Page() const { return *Main().MainRichEdit->document(); }
    QString Text() const { return Page().toPlainText(); }
    void Type(const QString& text) { QTextCursor(&Page()).insertText(text); }
    QString Path(const char* name) const { return env.DataDir() + QLatin1String(name); }
    void WriteFile(const char* name, const QByteArray& data) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool Searching() const { return Main().InfoBar->Caption() == QStringLiteral("Bible Search"); }
    void EnterPassage(const char* startVerse)
    {
        Dlg().eStartChapter->setText(QStringLiteral("2"));
        Dlg().eStartVerse->setText(QLatin1String(startVerse));
        Dlg().eEndChapter->setText(QStringLiteral("2"));
        Dlg().eEndVerse->setText(QStringLiteral("3"));
    }
    QTextCharFormat FormatAt(int position) const
    {
        QTextCursor cursor(&Page());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }

    TAppWindows env;
    std::deque<QMessageBox::StandardButton>& answers = env.answers;
};

} // namespace

TEST_F(EditedPageTest, VerseNumbersAreShownAgainOnlyOnABuiltReadingsPage)
{
    // The troparia page has no verse numbers: neither F11 nor the Preferences box touch it.
    Type(QStringLiteral("Edited. "));
    answers = {QMessageBox::No};
    EXPECT_FALSE(Main().MShowVerseNumbers->isEnabled());
    Main().MShowVerseNumbers->trigger();
    Options().ShowVerseNumbers->setChecked(false);
    Options().OKButtonClick();
    EXPECT_TRUE(env.messages.isEmpty());
    EXPECT_TRUE(Text().startsWith("Edited. "));
    EXPECT_TRUE(Page().isModified());

    // A built readings page beside a personalized file that is not loaded: F11 asks, and No
    // gives the page built again, the file untouched.
    Options().LoadOriginal->setChecked(true);
    WriteFile("12252024.nbl", Mine);
    answers = {QMessageBox::No};
    Main().MDailyBibleReadings->trigger();
    ASSERT_TRUE(Main().MShowVerseNumbers->isEnabled());
    Type(QStringLiteral("Edited. "));
    env.messages.clear();
    answers = {QMessageBox::No};
    Main().MShowVerseNumbers->trigger();
    EXPECT_EQ(env.messages, QStringList{"Text has changed. Replace existing personalized file?"});
    EXPECT_TRUE(Options().ShowVerseNumbers->isChecked());
    EXPECT_FALSE(Text().startsWith("Edited. "));
    EXPECT_FALSE(Page().isModified());
    EXPECT_EQ(ReadFile(Path("12252024.nbl")), Mine);

    // The personalized readings page has no numbers to show or hide either.
    Options().LoadPersonalized->setChecked(true);
    env.dateBox->ShowDayPage(false);
    EXPECT_FALSE(Main().MShowVerseNumbers->isEnabled());
}

TEST_F(EditedPageTest, PreferencesAskBeforeLoadingThePageAgain)
{
    WriteFile("12-25.trp", Mine);
    env.ShowDate(QDate(2024, 12, 25));
    Type(QStringLiteral("Edited. "));
    const QString edited = Text();

    answers = {QMessageBox::Cancel};
    Options().LoadOriginal->click();
    EXPECT_EQ(env.messages, QStringList{"Text has changed. Save changes/additions to personalized file?"});
    EXPECT_EQ(Text(), edited);
    EXPECT_TRUE(Page().isModified());
    EXPECT_TRUE(Options().LoadPersonalized->isChecked());

    // The choice already made: nothing to load again.
    Options().LoadPersonalized->click();
    EXPECT_EQ(env.messages.size(), 1);
    EXPECT_EQ(Text(), edited);

    answers = {QMessageBox::No};
    Options().LoadOriginal->click();
    EXPECT_EQ(env.messages.size(), 2);
    EXPECT_FALSE(Text().contains("Mine"));
    EXPECT_FALSE(Page().isModified());
    EXPECT_TRUE(Options().LoadOriginal->isChecked());
    EXPECT_EQ(ReadFile(Path("12-25.trp")), Mine);

    // Use Lukan Jump alone builds the readings page again, after the question.
    Options().OKButtonClick();
    Main().MDailyBibleReadings->trigger();
    Type(QStringLiteral("Edited. "));
    const QString feast = Main().InfoBar->Caption();
    Options().UseLukanJump->setChecked(false);
    answers = {QMessageBox::Cancel};
    Options().show();
    Options().OKButton->click();
    EXPECT_EQ(env.messages.value(2), "Text has changed. Create new personalized file?");
    EXPECT_TRUE(Text().startsWith("Edited. "));
    EXPECT_TRUE(Page().isModified());
    EXPECT_EQ(Main().InfoBar->Caption(), feast);
    // The dialog stays open with the change; leaving it puts the box back, so the page
    // built next keeps to the jump.
    EXPECT_TRUE(Options().isVisible());
    EXPECT_FALSE(Options().UseLukanJump->isChecked());
    Options().CancelButton->click();
    EXPECT_TRUE(Options().UseLukanJump->isChecked());
}

TEST_F(EditedPageTest, HintsFollowTheirBoxAfterACancelledPreferencesQuestion)
{
    Type(QStringLiteral("Edited. "));
    Options().ShowIcons->setChecked(false);
    Options().ShowHints->setChecked(false);
    answers = {QMessageBox::Cancel};
    Options().OKButtonClick();
    EXPECT_EQ(env.messages, QStringList{"Text has changed. Create new personalized file?"});
    EXPECT_TRUE(Main().HintsShown());
    EXPECT_TRUE(Text().startsWith("Edited. "));
    EXPECT_TRUE(Page().isModified());

    answers = {QMessageBox::No};
    Options().OKButtonClick();
    EXPECT_FALSE(Main().HintsShown());
    EXPECT_FALSE(Text().startsWith("Edited. "));
    EXPECT_FALSE(Page().isModified());
    EXPECT_FALSE(QFile::exists(Path("12-25.trp")));
}

TEST_F(EditedPageTest, TheDateChangeHubKeepsTheDayOfACancelledQuestion)
{
    const QString title = Main().DateBar->Caption();
    Type(QStringLiteral("Edited. "));
    const QString edited = Text();
    answers = {QMessageBox::Cancel};
    env.ShowDate(QDate(2024, 12, 30));
    EXPECT_EQ(env.messages, QStringList{"Text has changed. Create new personalized file?"});
    EXPECT_EQ(env.dateBox->FCivilDate, QDate(2024, 12, 25));
    EXPECT_EQ(env.dateBox->Calendar->CalendarDate(), QDate(2024, 12, 25));
    EXPECT_EQ(Main().DateBar->Caption(), title);
    EXPECT_EQ(Text(), edited);
    EXPECT_TRUE(Page().isModified());
    EXPECT_EQ(Main().FPersonalFileName, Path("12-25.trp"));

    answers = {QMessageBox::No};
    env.ShowDate(QDate(2024, 12, 30));
    EXPECT_EQ(env.dateBox->FCivilDate, QDate(2024, 12, 30));
    EXPECT_FALSE(Text().startsWith("Edited. "));
    EXPECT_FALSE(Page().isModified());
    EXPECT_FALSE(QFile::exists(Path("12-25.trp")));

    // In old-calendar mode the grid keeps the stored old date.
    Main().MOldCalendar->trigger();
    const QDate old = env.dateBox->FOldDateShifted;
    Type(QStringLiteral("Edited. "));
    answers = {QMessageBox::Cancel};
    env.ShowDate(old.addDays(3));
    EXPECT_EQ(env.dateBox->FOldDateShifted, old);
    EXPECT_EQ(env.dateBox->FCivilDate, QDate(2024, 12, 30));
    EXPECT_EQ(env.dateBox->Calendar->CalendarDate(), old);
}

TEST_F(EditedPageTest, APageNotReadFromThePersonalizedFileNeverUpdatesIt)
{
    // A file that holds no page (junk bytes) is reported as one that cannot be read is, and
    // the library page shows; the status says so, and the file may be deleted.
    const QString library = Text();
    WriteFile("12-25.trp", QByteArray("\x00\x01\x02\x03junk", 8));
    env.ShowDate(QDate(2024, 12, 25));
    EXPECT_EQ(env.messages.value(0),
              "Cannot open file \"" + QDir::toNativeSeparators(Path("12-25.trp")) + "\". It holds no rich text page.");
    EXPECT_EQ(Text(), library);
    EXPECT_EQ(Main().Hint(), "Personalized file could not be read. Viewing troparia and kontakia for December 25");
    EXPECT_TRUE(Main().MDeleteFile->isVisible() && Main().MDeleteFile->isEnabled());
    ASSERT_TRUE(QFile::remove(Path("12-25.trp")));
    env.messages.clear();

    // A file that cannot be read (a folder in its place): the library page is not taken for it.
    ASSERT_TRUE(QDir().mkpath(Path("12-25.trp/inside")));
    env.ShowDate(QDate(2024, 12, 25));
    EXPECT_TRUE(env.messages.value(0).startsWith("Cannot open file"));
    EXPECT_TRUE(Main().MDeleteFile->isVisible());
    Type(QStringLiteral("Edited. "));
    answers = {QMessageBox::Cancel};
    Main().MSave->trigger();
    EXPECT_EQ(env.messages.value(1), "Replace existing personalized file?");

    // The library text shown while the file is there.
    Page().setModified(false);
    ASSERT_TRUE(QDir(Path("12-25.trp")).removeRecursively());
    WriteFile("12-25.trp", Mine);
    env.ShowDate(QDate(2024, 12, 25));
    Options().LoadOriginal->click();
    Type(QStringLiteral("Edited. "));
    env.messages.clear();
    answers = {QMessageBox::Cancel, QMessageBox::Cancel};
    Main().MNextDay->trigger();
    Main().MSave->trigger();
    EXPECT_EQ(env.messages, (QStringList{"Text has changed. Replace existing personalized file?",
                                         "Replace existing personalized file?"}));
    EXPECT_EQ(ReadFile(Path("12-25.trp")), Mine);
    EXPECT_TRUE(Page().isModified());

    // Replacing it is the user's choice.
    Main().MSave->trigger();
    QTextDocument saved;
    LoadRtf(saved, ReadFile(Path("12-25.trp")));
    EXPECT_TRUE(saved.toPlainText().startsWith("Edited. "));
    EXPECT_TRUE(Main().MDeleteFile->isVisible());
}

TEST_F(EditedPageTest, FindBibleVersesAsksBeforeReplacingAnEditedPageOrPassage)
{
    Main().MDailyBibleReadings->trigger();
    Main().MFindSaint->trigger();
    Type(QStringLiteral("Edited. "));
    const QString edited = Text();
    EnterPassage("1");
    answers = {QMessageBox::Cancel};
    Dlg().FindButtonClick();
    EXPECT_EQ(env.messages, QStringList{"Text has changed. Create new personalized file?"});
    EXPECT_FALSE(Searching());
    EXPECT_EQ(Text(), edited);
    EXPECT_TRUE(Page().isModified());

    // Wrong entries: only their message, the edits untouched.
    EnterPassage("x");
    answers = {QMessageBox::No};
    Dlg().FindButtonClick();
    EXPECT_EQ(env.messages.value(1), "Please enter numbers for all Chapters and Verses.");
    EXPECT_TRUE(Page().isModified());

    // A shown passage has nothing to undo.
    env.messages.clear();
    EnterPassage("1");
    answers = {QMessageBox::No};
    Dlg().FindButtonClick();
    ASSERT_TRUE(Searching());
    const QString passage = Text();
    EXPECT_FALSE(Main().MUndo->isEnabled());
    Main().MUndoClick();
    EXPECT_EQ(Text(), passage);
    EXPECT_FALSE(Page().isModified());

    // Nothing that would put the day's page under the passage works in search mode.
    for (QAction* item : {Main().MShowVerseNumbers, Main().MTroparionKontakion, Main().MDailyBibleReadings,
                          Main().MLivesSaints, Main().MOldCalendar, Main().MNewCalendar, Main().MPreferences})
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    Main().MShowVerseNumbers->trigger();
    EXPECT_EQ(Text(), passage);

    // A changed passage can be kept as a copy before End Search replaces it.
    Type(QStringLiteral("Note. "));
    answers = {QMessageBox::Cancel};
    Main().MEndBibleSearch->trigger();
    EXPECT_EQ(env.messages.value(1), "Text has changed. Save a copy of the active document to a disk file?");
    EXPECT_TRUE(Searching());
    EXPECT_EQ(Text(), "Note. " + passage);
    QTemporaryDir target;
    const QString copy = target.filePath(QStringLiteral("passage.txt"));
    SetSaveDialogHook([&](QFileDialog&) { return copy; });
    answers = {QMessageBox::Yes};
    Dlg().EndSearchButtonClick();
    EXPECT_EQ(QString::fromUtf8(ReadFile(copy)), "Note. " + passage);
    EXPECT_FALSE(Searching());
    EXPECT_TRUE(Main().MShowVerseNumbers->isEnabled());

    // Esc closes the dialog as Cancel does: the search that showed nothing ends.
    Main().MFindSaint->trigger();
    ASSERT_TRUE(Dlg().FSearchActive);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&Dlg(), &escape);
    EXPECT_FALSE(Dlg().isVisible());
    EXPECT_FALSE(Dlg().FSearchActive);
}

TEST_F(EditedPageTest, FontDialogStartsAtTheSelectionAndAppliesOnlyTheChanges)
{
    LoadRtf(Page(), "{\\rtf1{\\fonttbl{\\f0 Times New Roman;}}{\\colortbl;\\red0\\green0\\blue128;}"
                    "\\f0\\fs28\\cf1 Dark words\\par}");
    Page().setModified(false);
    QTextCursor all(&Page());
    all.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    Main().MainRichEdit->setTextCursor(all);

    QFont shown;
    QString shownColor;
    int fewestRows = 0;
    const auto look = [&](QFontDialog& dialog) {
        shown = dialog.currentFont();
        auto* colors = dialog.findChild<QComboBox*>(QStringLiteral("FontColor"));
        shownColor = colors ? colors->currentText() : QString();
        return true;
    };
    // The lists of fonts, styles and sizes show several rows each.
    SetFontDialogHook([&](QFontDialog& dialog) {
        dialog.show();
        QApplication::processEvents();
        fewestRows = 100;
        for (const QListView* list : dialog.findChildren<QListView*>())
            fewestRows = std::min(fewestRows, list->viewport()->height() / list->sizeHintForRow(0));
        dialog.hide();
        return look(dialog);
    });
    Main().MFontClick();
    EXPECT_GE(fewestRows, 7);
    EXPECT_EQ(shown.family(), "Liberation Serif");
    EXPECT_EQ(shown.pointSize(), 14);
    EXPECT_EQ(shownColor, "Navy");
    EXPECT_EQ(FormatAt(2).fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_EQ(FormatAt(2).fontPointSize(), 14);
    EXPECT_EQ(FormatAt(2).foreground().color(), QColor(0, 0, 128));
    EXPECT_FALSE(Page().isModified());

    SetFontDialogHook([](QFontDialog& dialog) {
        auto* colors = dialog.findChild<QComboBox*>(QStringLiteral("FontColor"));
        if (colors)
            colors->setCurrentIndex(colors->findText(QStringLiteral("Red")));
        return colors != nullptr;
    });
    Main().MFontClick();
    EXPECT_EQ(FormatAt(2).foreground().color(), QColor(Qt::red));
    EXPECT_EQ(FormatAt(2).fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_EQ(FormatAt(2).fontPointSize(), 14);
    EXPECT_TRUE(Page().isModified());
}

TEST_F(EditedPageTest, PastedFormattingLooksTheSameAfterTheSaveReloadsThePage)
{
    Page().clear();
    auto* data = new QMimeData;
    data->setText(QStringLiteral("plain"));
    data->setHtml(QStringLiteral(
        "<p>E=mc<sup>2</sup> H<sub>2</sub>O <span style=\"background-color:#ffff00\">marked</span> "
        "<span style=\"font-size:24px\">large</span><img src=\"none.png\"></p>"
        "<table><tr><td>a</td><td>b</td></tr><tr><td>c</td><td><p>d</p><p>e</p></td></tr></table>"));
    QApplication::clipboard()->setMimeData(data);
    Main().MPasteClick();

    const QString pasted = Text();
    // The image is left out; the lines of a cell are one paragraph.
    EXPECT_EQ(pasted, QStringLiteral("E=mc2 H2O marked large\na\tb\nc\td\ne\n"));
    EXPECT_EQ(Page().blockCount(), 4);
    const auto check = [this](const char* when) {
        const QString text = Text();
        EXPECT_EQ(FormatAt(text.indexOf("2 ")).verticalAlignment(), QTextCharFormat::AlignSuperScript) << when;
        EXPECT_EQ(FormatAt(text.indexOf("2O")).verticalAlignment(), QTextCharFormat::AlignSubScript) << when;
        EXPECT_EQ(FormatAt(text.indexOf("marked")).background().color(), QColor(255, 255, 0)) << when;
        EXPECT_EQ(FormatAt(text.indexOf("large")).fontPointSize(), 18) << when;
        EXPECT_EQ(FormatAt(text.indexOf("mc")).background().style(), Qt::NoBrush) << when;
    };
    check("pasted");

    Main().MSave->trigger();
    EXPECT_TRUE(Main().MDeleteFile->isVisible());
    EXPECT_EQ(Text(), pasted);
    check("saved");
}

TEST_F(EditedPageTest, EveryCommandThatReplacesThePageKeepsItsEditsOnCancel)
{
    auto find = std::make_unique<TCustomFindDialog>(Main());
    WriteFile("12-25.trp", Mine);
    env.ShowDate(QDate(2024, 12, 25));
    Type(QStringLiteral("Edited. "));
    struct TCommand {
        const char* name;
        std::function<void()> run;
    };
    const auto walk = [&](std::initializer_list<TCommand> commands) {
        const QString kept = Text();
        const QString file = Main().FPersonalFileName;
        const TDayPage page = Main().CurrentPage();
        const bool searching = Searching();
        for (const TCommand& command : commands) {
            env.messages.clear();
            answers = {QMessageBox::Cancel};
            command.run();
            EXPECT_EQ(env.messages.size(), 1) << command.name;
            EXPECT_TRUE(env.messages.value(0).startsWith("Text has changed. ")) << command.name;
            EXPECT_EQ(Text(), kept) << command.name;
            EXPECT_TRUE(Page().isModified()) << command.name;
            EXPECT_EQ(env.dateBox->FCivilDate, QDate(2024, 12, 25)) << command.name;
            EXPECT_EQ(Main().FPersonalFileName, file) << command.name;
            EXPECT_EQ(Main().CurrentPage(), page) << command.name;
            EXPECT_TRUE(Main().MNewCalendar->isChecked()) << command.name;
            EXPECT_EQ(Searching(), searching) << command.name;
            EXPECT_TRUE(Main().isVisible()) << command.name;
        }
        EXPECT_EQ(ReadFile(Path("12-25.trp")), Mine);
    };
    Main().show();

    walk({{"Previous Day", [&] { Main().MPreviousDay->trigger(); }},
          {"Next Day", [&] { Main().MNextDay->trigger(); }},
          {"Previous Year", [&] { Main().MPreviousYear->trigger(); }},
          {"Next Year", [&] { Main().MNextYear->trigger(); }},
          {"Return to Today", [&] { Main().MToday->trigger(); }},
          {"Select Date", [&] { Main().MSelectDate->trigger(); }},
          {"page item", [&] { Main().MDailyBibleReadings->trigger(); }},
          {"page button", [&] { Main().MTBLivesSaints->click(); }},
          {"calendar", [&] { Main().MOldCalendar->trigger(); }},
          {"Preferences OK", [&] {
               Options().ShowIcons->setChecked(false);
               Options().OKButtonClick();
               Options().CancelButtonClick();
           }},
          {"Load Original Texts", [&] { Options().LoadOriginal->click(); }},
          {"Find Saint", [&] {
               Main().MFindSaintClick();
               find->FindEdit->setText(QStringLiteral("Nahum"));
               find->FindButton->click();
           }},
          {"Exit", [&] { Main().MExit->trigger(); }}});
    EXPECT_TRUE(Options().LoadPersonalized->isChecked());

    answers = {QMessageBox::No};
    Main().MDailyBibleReadings->trigger();
    Type(QStringLiteral("Edited. "));
    Main().MFindSaint->trigger();
    EnterPassage("1");
    walk({{"Show Verse Numbers", [&] { Main().MShowVerseNumbers->trigger(); }},
          {"Preferences OK", [&] {
               Options().UseLukanJump->setChecked(false);
               Options().OKButtonClick();
               Options().CancelButtonClick();
           }},
          {"Find", [&] { Dlg().FindButton->click(); }}});

    answers = {QMessageBox::No};
    Dlg().FindButton->click();
    ASSERT_TRUE(Searching());
    Type(QStringLiteral("Note. "));
    walk({{"Find", [&] { Dlg().FindButton->click(); }},
          {"End Search", [&] { Dlg().EndSearchButton->click(); }},
          {"End Bible Search", [&] { Main().MEndBibleSearch->trigger(); }},
          {"Exit", [&] { Main().MExit->trigger(); }}});
}
