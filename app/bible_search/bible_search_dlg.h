#pragma once
// The Find Bible Verses dialog. It is the program's Bible text reader: it keeps the
// versions of the readings and search roles, keeps the New Testament readings file mapped
// between uses, and builds the day's Bible Readings page.
#include <QDialog>
#include <QTextCharFormat>
#include <QTextListFormat>

#include <string>

#include "bible_reader.h"
#include "message_sink.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class TSelvarionMainForm;

class TBibleSearchDlg : public QDialog,
                        public IBibleSearchControls,
                        public IMessageSink,
                        public TBibleReader {
    Q_OBJECT
public:
    // Loads the dialog's position and settings and maps the New Testament readings file.
    explicit TBibleSearchDlg(TSelvarionMainForm& mainForm);
    // Writes the dialog's position and settings.
    ~TBibleSearchDlg() override;

    QComboBox* OldT;
    QComboBox* NewT;
    QComboBox* Apoc;
    QCheckBox* ChapterHeadings;
    QCheckBox* VerseNumbers;
    QGroupBox* SearchGroup;
    QButtonGroup* SearchGroupItems;
    QLineEdit* eStartChapter;
    QLineEdit* eStartVerse;
    QLineEdit* eEndChapter;
    QLineEdit* eEndVerse;
    QCheckBox* EndOfChapter;
    QCheckBox* EndOfBook;
    QPushButton* FindButton;
    QPushButton* CancelButton;
    QPushButton* EndSearchButton;
    QPushButton* HelpButton;
    QLabel* ShowVersesLabel;
    // Holds ShowVersesLabel: scrolls a summary longer than the dialog shows.
    QScrollArea* ShowVersesArea;

    bool FInSearchMode = false;

    // A new search starts unless a found passage is shown.
    void FormShow();
    void EndOfChapterClick();
    void EndOfBookClick();
    void SearchGroupClick();
    // The chapter:verse summary of the selected book; sizes the dialog for it.
    void NewTChange(QComboBox* sender);
    // Sizes the dialog for the summary shown, without moving it: all of the summary up to a
    // bound, scrolling beyond it or where the screen's `area` has less room below the dialog.
    void FitSummary(const QRect& area);
    // Checks the entries and shows the passage in the main window, once a changed page was
    // offered for saving.
    void FindButtonClick();
    // Leaves Bible search mode and closes the dialog.
    void EndSearchButtonClick();
    // The versions of the roles changed: the New Testament readings file is mapped again,
    // or, while a search is open, the search file of its part, whose book list may be new.
    void RoleVersionsChanged();
    // Shows the dialog's help topic, then gives the focus back to the book list.
    void HelpButtonClick();

    // The Bible Readings page of the day selected in the Select Date window, read from the
    // readings files also while a search is open.
    std::string BuildBibleReadingsPage();

    // What the reader reads of the dialog.
    int SearchGroupItemIndex() const override;
    std::string OldTText() const override;
    std::string NewTText() const override;
    std::string ApocText() const override;
    bool ChapterHeadingsChecked() const override;
    bool VerseNumbersChecked() const override;
    std::string AppDataDir() const override;
    std::string ProgramDir() const override;
    void ShowBookList(int part) override;
    // The reader's messages, centred over the dialog.
    void ShowMessage(const std::string& text) override;

protected:
    void showEvent(QShowEvent* event) override;
    // Closing (Cancel, the title bar or Esc) ends a search that showed nothing.
    void reject() override;
    // F1 tells the main window that help was asked for from the keyboard.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QComboBox* SelectedBookList() const;
    void ShowInfo(const QString& text);
    // The checks of the entries; false after the message was shown.
    bool CheckEntries(bool ownFormat);
    int LastVerseOf(bool ownFormat, int chapter);
    // The passage the entries ask for; empty after a message said what is wrong.
    std::string FindPassage();
    void EnterSearchMode();
    void ShowPassage(const std::string& text);

    TSelvarionMainForm& FMainForm;
    QString FSavedTitleCaption;
    QString FSavedMainHint;
    QTextCharFormat FSavedDefAttributes;
    Qt::Alignment FSavedAlignment = Qt::AlignLeft;
    QTextListFormat::Style FSavedNumbering = QTextListFormat::ListStyleUndefined;
};

// Find Saint on the Bible Readings page: the dialog, pulled onto the screen, shown modeless.
void ShowBibleSearchDialog(TSelvarionMainForm& mainForm);
