// The Find Bible Verses dialog's Find command: the checks of the entries, the passage, and
// the main window's Bible search mode that shows it until End Search.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>

#include "bible_search_dlg.h"
#include "date_box.h"
#include "message_box.h"
#include "options_dialog.h"
#include "rz_panel.h"
#include "selvarion_main_form.h"
#include "ui_guards.h"

namespace {

const QString AdditionsToEsther = QStringLiteral("Additions to Esther");

QString MissingFileMessage(const std::string& name, bool programFolder)
{
    const QString start = QStringLiteral("The file \"") + QString::fromStdString(name) + QLatin1Char('"');
    if (programFolder)
        return start + QStringLiteral(" is damaged or") +
               QStringLiteral(" missing from the application data directory. Please replace the") +
               QStringLiteral(" file or reinstall the Selvarion program.");
    return start + QStringLiteral(" is damaged or missing") +
           QStringLiteral(" from the application data directory. Please replace the file or try") +
           QStringLiteral(" uninstalling and then reinstalling the file from the Bible") +
           QStringLiteral(" Files page of the Preferences dialog box.");
}

const char* const DateButtonNames[] = {"MTBSelectDate", "MTBPreviousYear", "MTBPreviousDay",
                                       "MTBToday",      "MTBNextDay",      "MTBNextYear"};

std::vector<QAction*> DateCommands(const TSelvarionMainForm& form)
{
    return {form.MSelectDate, form.MPreviousYear, form.MPreviousDay,
            form.MToday,      form.MNextDay,      form.MNextYear};
}

// The date commands' buttons leave the toolbar (their menu items stay) and the page buttons
// are hidden; showing puts them back in their places.
void ShowDayButtons(TSelvarionMainForm& form, bool show)
{
    QToolBar* bar = form.MainToolBar;
    const std::vector<QAction*> commands = DateCommands(form);
    for (size_t i = 0; i < commands.size(); ++i) {
        if (show) {
            bar->insertAction(form.MSave, commands[i]);
            bar->widgetForAction(commands[i])->setObjectName(QLatin1String(DateButtonNames[i]));
        } else {
            bar->removeAction(commands[i]);
        }
    }
    for (QWidget* button : {static_cast<QWidget*>(form.MTBSelvarion), static_cast<QWidget*>(form.MTBBibleReadings),
                            static_cast<QWidget*>(form.MTBLivesSaints)})
        for (QAction* item : bar->actions())
            if (bar->widgetForAction(item) == button)
                item->setVisible(show);
}

// What search mode switches off: the commands that would move the date, switch page or
// calendar, rebuild the page or save to the day's file. The Options menu is hidden, but its
// items' keys would still work.
std::vector<QAction*> SearchModeDisabledCommands(const TSelvarionMainForm& form)
{
    std::vector<QAction*> commands = DateCommands(form);
    commands.insert(commands.end(), {form.MSave, form.MDeleteFile, form.MOldCalendar, form.MNewCalendar,
                                     form.MTroparionKontakion, form.MDailyBibleReadings,
                                     form.MLivesSaints, form.MPreferences, form.MShowVerseNumbers});
    return commands;
}

} // namespace

int TBibleSearchDlg::LastVerseOf(bool ownFormat, int chapter)
{
    int lastVerse = -1;
    if (ownFormat)
        GetVerseRange(SelectedBookList()->currentIndex(), chapter, lastVerse);
    else
        UnboundGetLastVerse(GetBookNumber(), chapter, lastVerse);
    return lastVerse;
}

bool TBibleSearchDlg::CheckEntries(bool ownFormat)
{
    const int part = SearchGroupItemIndex();
    const QString book = SelectedBookList()->currentText();
    QLineEdit* const edits[] = {eStartChapter, eStartVerse, eEndChapter, eEndVerse};
    for (QLineEdit* edit : edits)
        if (edit->text().isEmpty()) {
            ShowInfo(QStringLiteral("Please select all Chapters and Verses."));
            return false;
        }
    int value[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        value[i] = edits[i]->text().trimmed().toInt(&ok);
        if (!ok) {
            ShowInfo(QStringLiteral("Please enter numbers for all Chapters and Verses."));
            return false;
        }
    }
    int& sc = value[0];
    int& sv = value[1];
    int& ec = value[2];
    int& ev = value[3];

    int first = 1;
    int last = 0;
    if (ownFormat) {
        if (part == 2)
            first = book == QStringLiteral("Ecclesiasticus") ? 0
                    : book == AdditionsToEsther              ? 10
                    : book == QStringLiteral("Epistle of Jeremiah") ? 6
                                                                     : 1;
        last = QString::fromStdString(GetLastChapter(book.toStdString())).toInt();
    } else {
        std::string firstText, lastText;
        GetFirstAndLastChapter(GetBookNumber(), firstText, lastText);
        first = QString::fromStdString(firstText).toInt();
        last = QString::fromStdString(lastText).toInt();
    }

    if (EndOfChapter->isChecked() || EndOfBook->isChecked()) {
        if (part == 2) {
            if (EndOfBook->isChecked() && book == QStringLiteral("Ecclesiasticus") && sc == 1 && sv == 1)
                sc = 0;
            if (book == AdditionsToEsther && (sc < 10 || (sc == 10 && sv < 4))) {
                sc = 10;
                sv = 4;
                if (ec < 10 || (ec == 10 && ev < 4)) {
                    ec = 10;
                    ev = 4;
                }
            }
            if (book == QStringLiteral("Epistle of Jeremiah") && sc < 6) {
                sc = 6;
                sv = 1;
                if (ec < 6) {
                    ec = 6;
                    ev = 1;
                }
            }
        }
        ec = EndOfChapter->isChecked() ? sc : last;
        ev = LastVerseOf(ownFormat, ec);
        for (int i = 0; i < 4; ++i)
            edits[i]->setText(QString::number(value[i]));
    }

    if (sc > ec || (sc == ec && sv > ev)) {
        ShowInfo(QStringLiteral("Please correct the Chapter and Verse entries. \"Ends With\" Chapter and "
                                "Verse must be equal to or larger than \"Starts With\" Chapter and Verse."));
        return false;
    }

    const bool esther = part == 2 && book == AdditionsToEsther;
    const int lowestStart = esther && sc == 10 ? 4 : 1;
    const int lowestEnd = esther && ec == 10 ? 4 : 1;
    const int lastStart = LastVerseOf(ownFormat, sc);
    const int lastEnd = ec == sc ? lastStart : LastVerseOf(ownFormat, ec);
    if (lastStart != -1 && lastEnd != -1 && first <= sc && sc <= last && first <= ec && ec <= last &&
        sv >= lowestStart && ev >= lowestEnd && sv <= lastStart && ev <= lastEnd)
        return true;

    const QString correct = QStringLiteral("Please correct the Chapter and Verse entries. ");
    // An installed version may lack chapters inside its range: name the one that is absent.
    if (!ownFormat && lastStart == -1 && first < sc && sc < last && ec <= last)
        ShowInfo(correct + QStringLiteral("Chapter %1 is missing from the book.").arg(sc));
    else if (!ownFormat && lastEnd == -1 && first < ec && ec < last && sc >= first)
        ShowInfo(correct + QStringLiteral("Chapter %1 is missing from the book.").arg(ec));
    else
        ShowInfo(correct +
                 QStringLiteral("A Chapter or Verse number entered was not found. The Chapter entries "
                                "should not be less than %1, nor greater than %2. The Verse entries")
                     .arg(first)
                     .arg(last) +
                 QStringLiteral(" should not be less than 1, nor greater than the last verse") +
                 QStringLiteral(" of the corresponding chapter."));
    return false;
}

void TBibleSearchDlg::FindButtonClick()
{
    const std::string passage = FindPassage();
    // The page on screen is replaced only now that there is a passage to show, and only once
    // a changed page was offered for saving.
    if (passage.empty() || !FMainForm.CheckSaveChanges(FindButton))
        return;
    TUpdateLock lock(&FMainForm);
    if (!FInSearchMode)
        EnterSearchMode();
    ShowPassage(passage);
}

std::string TBibleSearchDlg::FindPassage()
{
    TWaitCursor wait;
    // The reader shows one message of the checks and the passage.
    const TRequest request(*this);
    const int part = SearchGroupItemIndex();
    const std::string& file = part == 0 ? FOldTSearchFile : part == 2 ? FApocSearchFile : FNewTSearchFile;
    if (!BibleFileReadable(file)) {
        CenteredMessageBox(this, MissingFileMessage(file, InProgramFolder(file)), QMessageBox::Ok,
                           QMessageBox::Critical);
        return {};
    }
    // The file as it now stands.
    MapBibleFile(file);
    const char* const builtIn[] = {BuiltInOldTFile, BuiltInNewTFile, BuiltInApocFile};
    if (!CheckEntries(file == builtIn[part]))
        return {};

    QComboBox* list = SelectedBookList();
    const std::string passage = GetPassageWithReference(
        list->currentIndex(), list->currentText().toStdString(), eStartChapter->text().toStdString(),
        eStartVerse->text().toStdString(), eEndChapter->text().toStdString(),
        eEndVerse->text().toStdString());
    if (passage.empty()) {
        ShowInfo(QStringLiteral("An error occurred while searching. The search parameters may have been "
                                "set incorrectly. Please re-enter your search parameters and try again."));
        return {};
    }
    if (passage.find("Error:") != std::string::npos) {
        ShowInfo(QString::fromStdString(passage.substr(std::min<size_t>(6, passage.size()))));
        return {};
    }
    return passage;
}

void TBibleSearchDlg::EnterSearchMode()
{
    TSelvarionMainForm& form = FMainForm;
    QTextCursor cursor(form.MainRichEdit->document());
    FSavedDefAttributes = form.MainRichEdit->document()->begin().charFormat();
    FSavedAlignment = form.MainRichEdit->alignment();
    FSavedNumbering = cursor.currentList() ? cursor.currentList()->format().style()
                                           : QTextListFormat::ListStyleUndefined;
    FInSearchMode = true;
    if (form.MOldCalendar->isChecked())
        form.StatusPanel0->setFixedWidth(0);
    if (form.OptionsDialog && form.OptionsDialog->ShowIcons->isChecked())
        form.ShowIconColumn(false);
    form.DateBar->hide();
    FSavedTitleCaption = form.InfoBar->Caption();
    form.InfoBar->SetCaption(QStringLiteral("Bible Search"));
    form.InfoBar->SetBevelSides(form.InfoBar->BevelSides() | sdTop);
    for (QAction* item : SearchModeDisabledCommands(form))
        item->setEnabled(false);
    form.MEndBibleSearch->setEnabled(true);
    form.MEndBibleSearch->setVisible(true);
    auto* saveButton = static_cast<QToolButton*>(form.MainToolBar->widgetForAction(form.MSave));
    saveButton->setDefaultAction(form.MSaveAs);
    saveButton->removeAction(form.MSave);   // one action: no menu arrow on the button
    saveButton->setToolTip(QStringLiteral("Save As..."));
    saveButton->setStatusTip(QStringLiteral("Saves a copy of the active document to a disk file"));
    form.MOptions->menuAction()->setVisible(false);
    ShowDayButtons(form, false);
    FSavedMainHint = form.Hint();
    form.SetHint(QStringLiteral("Viewing bible verses in bible search mode"));
    form.ShowHintInStatusBar();
}

void TBibleSearchDlg::ShowPassage(const std::string& text)
{
    QTextEdit* edit = FMainForm.MainRichEdit;
    edit->clear();
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, FMainForm.palette().color(QPalette::Base));
    edit->setPalette(colours);
    QTextCharFormat plain;
    plain.setFontFamilies({QStringLiteral("Times New Roman")});
    plain.setFontPointSize(12);
    plain.setForeground(Qt::black);
    plain.setFontWeight(QFont::Normal);
    plain.setFontItalic(false);
    plain.setFontUnderline(false);
    QTextCursor cursor(edit->document());
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignLeft);
    cursor.setBlockFormat(block);
    cursor.setBlockCharFormat(plain);
    cursor.insertText(QString::fromStdString(text), plain);
    edit->moveCursor(QTextCursor::Start);
    // A shown passage starts with nothing to undo, like a loaded page.
    edit->document()->clearUndoRedoStacks();
    edit->document()->setModified(false);
    FMainForm.MainRichEditSelectionChange();
    FMainForm.SetEditMargins();
}

void TBibleSearchDlg::EndSearchButtonClick()
{
    if (!FInSearchMode) {
        close();
        return;
    }
    if (!FMainForm.CheckSaveChanges(EndSearchButton))
        return;
    {
        TSelvarionMainForm& form = FMainForm;
        TUpdateLock lock(&form);
        MapNewTReadingsFile();
        if (form.MOldCalendar->isChecked()) {
            const QString today = form.StatusPanel0->text();
            form.StatusPanel0->setFixedWidth(form.fontMetrics().horizontalAdvance(today) + 10);
        }
        if (form.OptionsDialog && form.OptionsDialog->ShowIcons->isChecked())
            form.ShowIconColumn(true);
        form.DateBar->show();
        form.InfoBar->SetCaption(FSavedTitleCaption);
        form.InfoBar->SetBevelSides(form.InfoBar->BevelSides() & ~TSides(sdTop));
        for (QAction* item : SearchModeDisabledCommands(form))
            item->setEnabled(true);
        form.MEndBibleSearch->setEnabled(false);
        form.MEndBibleSearch->setVisible(false);
        auto* saveButton = static_cast<QToolButton*>(form.MainToolBar->widgetForAction(form.MSave));
        saveButton->setDefaultAction(form.MSave);
        saveButton->removeAction(form.MSaveAs);
        form.MOptions->menuAction()->setVisible(true);
        ShowDayButtons(form, true);
        QTextCursor cursor(form.MainRichEdit->document());
        QTextBlockFormat block;
        block.setAlignment(FSavedAlignment);
        cursor.setBlockFormat(block);
        cursor.setBlockCharFormat(FSavedDefAttributes);
        if (FSavedNumbering != QTextListFormat::ListStyleUndefined)
            cursor.createList(FSavedNumbering);
        if (form.DateBox)
            form.DateBox->ShowDayPage(true);
        form.MainRichEditSelectionChange();
        FInSearchMode = false;
        form.SetHint(FSavedMainHint);
        form.ShowHintInStatusBar();
    }
    close();
}
