#include "bible_search_dlg.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QShowEvent>

#include "app_folders.h"
#include "date_box.h"
#include "help_contexts.h"
#include "help_keys.h"
#include "help_topics.h"
#include "html_help.h"
#include "live_controls.h"
#include "message_box.h"
#include "options_dialog.h"
#include "readings_builder.h"
#include "selvarion_main_form.h"
#include "settings_store.h"

namespace {

constexpr int DesignWidth = 388;
// The chapter:verse summary shows this many lines at most, and scrolls when it has more.
constexpr int MaxSummaryLines = 10;
// Lines the summary keeps however little room the screen has below the dialog.
constexpr int MinSummaryLines = 3;

QLineEdit* AddEntry(QGridLayout* layout, const char* name, int row, int column)
{
    const bool verse = column == 3;
    layout->addWidget(new QLabel(verse ? QStringLiteral("Verse:") : QStringLiteral("Chapter:")), row,
                      column);
    auto* edit = new QLineEdit(QStringLiteral("1"));
    edit->setObjectName(QLatin1String(name));
    layout->addWidget(edit, row, column + 1);
    return edit;
}

QCheckBox* AddCheckBox(QLayout* layout, const char* name, const char* caption)
{
    auto* box = new QCheckBox(QLatin1String(caption));
    box->setObjectName(QLatin1String(name));
    layout->addWidget(box);
    return box;
}

QPushButton* AddButton(QLayout* layout, const char* name, const char* caption)
{
    auto* button = new QPushButton(QLatin1String(caption));
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

template <size_t N>
QComboBox* AddBookList(QLayout* layout, const char* name, const std::array<const char*, N>& books)
{
    auto* list = new QComboBox;
    list->setObjectName(QLatin1String(name));
    for (const char* book : books)
        list->addItem(QString::fromUtf8(book));
    layout->addWidget(list);
    return list;
}

} // namespace

TBibleSearchDlg::TBibleSearchDlg(TSelvarionMainForm& mainForm)
    : QDialog(&mainForm, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                             Qt::WindowContextHelpButtonHint),
      TBibleReader(*this, *this),
      FMainForm(mainForm)
{
    setObjectName(QStringLiteral("BibleSearchDlg"));
    setWindowTitle(QStringLiteral("Find Bible Verses"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Find the passage in the Book:")));
    auto* books = new QHBoxLayout;
    OldT = AddBookList(books, "OldT", BibleBookNamesOldT);
    NewT = AddBookList(books, "NewT", BibleBookNamesNewT);
    Apoc = AddBookList(books, "Apoc", BuiltInApocBookNames);
    layout->addLayout(books);
    auto* entries = new QGridLayout;
    entries->addWidget(new QLabel(QStringLiteral("That Starts With:")), 0, 0);
    entries->addWidget(new QLabel(QStringLiteral("And Ends With:")), 1, 0);
    eStartChapter = AddEntry(entries, "eStartChapter", 0, 1);
    eStartVerse = AddEntry(entries, "eStartVerse", 0, 3);
    eEndChapter = AddEntry(entries, "eEndChapter", 1, 1);
    eEndVerse = AddEntry(entries, "eEndVerse", 1, 3);
    layout->addLayout(entries);
    EndOfChapter = AddCheckBox(layout, "EndOfChapter", "Search to End of Chapter");
    EndOfBook = AddCheckBox(layout, "EndOfBook", "Search to End of Book");
    ChapterHeadings = AddCheckBox(layout, "ChapterHeadings", "Include Chapter Headings");
    ChapterHeadings->setChecked(true);
    VerseNumbers = AddCheckBox(layout, "VerseNumbers", "Include Verse Numbers");
    VerseNumbers->setChecked(true);
    SearchGroup = new QGroupBox(QStringLiteral("Search in the:"));
    SearchGroup->setObjectName(QStringLiteral("SearchGroup"));
    SearchGroupItems = new QButtonGroup(this);
    auto* groupLayout = new QVBoxLayout(SearchGroup);
    int id = 0;
    for (const char* part : {"Old Testament", "NewTestament", "Apocrypha"}) {
        auto* item = new QRadioButton(QLatin1String(part));
        SearchGroupItems->addButton(item, id++);
        groupLayout->addWidget(item);
    }
    layout->addWidget(SearchGroup);
    SearchGroupItems->button(1)->setChecked(true);
    auto* buttons = new QHBoxLayout;
    FindButton = AddButton(buttons, "FindButton", " Find");
    CancelButton = AddButton(buttons, "CancelButton", "Cancel");
    EndSearchButton = AddButton(buttons, "EndSearchButton", "End Search");
    HelpButton = AddButton(buttons, "HelpButton", "Help");
    layout->addLayout(buttons);
    auto* divider = new QFrame;
    divider->setObjectName(QStringLiteral("DividerPanel"));
    divider->setFrameShape(QFrame::HLine);
    layout->addWidget(divider);
    ShowVersesLabel = new QLabel;
    ShowVersesLabel->setObjectName(QStringLiteral("ShowVersesLabel"));
    ShowVersesLabel->setWordWrap(true);
    ShowVersesLabel->setTextFormat(Qt::PlainText);   // book names come from the version's record
    ShowVersesLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ShowVersesArea = new QScrollArea;
    ShowVersesArea->setObjectName(QStringLiteral("ShowVersesArea"));
    ShowVersesArea->setFrameShape(QFrame::NoFrame);
    ShowVersesArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ShowVersesArea->setWidgetResizable(true);
    ShowVersesArea->setWidget(ShowVersesLabel);
    ShowVersesArea->setFixedSize(375, 0);
    layout->addWidget(ShowVersesArea);
    for (QComboBox* list : {OldT, NewT, Apoc})
        connect(list, &QComboBox::activated, this, [this, list] { NewTChange(list); });
    connect(EndOfChapter, &QCheckBox::clicked, this, &TBibleSearchDlg::EndOfChapterClick);
    connect(EndOfBook, &QCheckBox::clicked, this, &TBibleSearchDlg::EndOfBookClick);
    connect(SearchGroupItems, &QButtonGroup::idClicked, this, &TBibleSearchDlg::SearchGroupClick);
    connect(FindButton, &QPushButton::clicked, this, &TBibleSearchDlg::FindButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::close);
    connect(EndSearchButton, &QPushButton::clicked, this, &TBibleSearchDlg::EndSearchButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TBibleSearchDlg::HelpButtonClick);
    AssignHelpContexts(*this);
    ShowBookList(1);
    FitSummary(QGuiApplication::primaryScreen()->availableGeometry());

    mainForm.BibleSearchDlg = this;
    LoadDialogPosition(*this, QStringLiteral("BibleSearchWindow"), SettingsKey);
    LoadBibleSearchSettings(*this, QStringLiteral("BibleSearchSettings"), SettingsKey);
    MapNewTReadingsFile();
}

TBibleSearchDlg::~TBibleSearchDlg()
{
    SaveDialogPosition(*this, QStringLiteral("BibleSearchWindow"), SettingsKey);
    SaveBibleSearchSettings(*this, QStringLiteral("BibleSearchSettings"), SettingsKey);
    FMainForm.BibleSearchDlg = nullptr;
}

std::string TBibleSearchDlg::BuildBibleReadingsPage()
{
    // The page is read from the readings files also while a search is open, whose file
    // is mapped again afterwards.
    const bool searching = FSearchActive;
    if (searching)
        MapNewTReadingsFile();
    const TLiveControls settings(FMainForm, *FMainForm.OptionsDialog);
    const std::string page = ::BuildBibleReadingsPage(*FMainForm.DateBox, *this, settings, *this);
    if (searching) {
        FSearchActive = true;
        SelectTestament();
    }
    return page;
}

int TBibleSearchDlg::SearchGroupItemIndex() const
{
    return SearchGroupItems->checkedId();
}

std::string TBibleSearchDlg::OldTText() const
{
    return OldT->currentText().toStdString();
}

std::string TBibleSearchDlg::NewTText() const
{
    return NewT->currentText().toStdString();
}

std::string TBibleSearchDlg::ApocText() const
{
    return Apoc->currentText().toStdString();
}

bool TBibleSearchDlg::ChapterHeadingsChecked() const
{
    return ChapterHeadings->isChecked();
}

bool TBibleSearchDlg::VerseNumbersChecked() const
{
    return VerseNumbers->isChecked();
}

std::string TBibleSearchDlg::AppDataDir() const
{
    return FMainForm.FAppDataDir.toStdString();
}

std::string TBibleSearchDlg::ProgramDir() const
{
    return ProgramFolder().toStdString();
}

void TBibleSearchDlg::ShowBookList(int part)
{
    OldT->setVisible(part == 0);
    NewT->setVisible(part == 1);
    Apoc->setVisible(part == 2);
}

void TBibleSearchDlg::ShowMessage(const std::string& text)
{
    CenteredMessageBox(this, QString::fromStdString(text), QMessageBox::Ok, QMessageBox::Information);
}

QComboBox* TBibleSearchDlg::SelectedBookList() const
{
    const int part = SearchGroupItemIndex();
    return part == 0 ? OldT : part == 2 ? Apoc : NewT;
}

void TBibleSearchDlg::ShowInfo(const QString& text)
{
    CenteredMessageBox(this, text, QMessageBox::Ok, QMessageBox::Information);
}

void TBibleSearchDlg::FormShow()
{
    if (FInSearchMode && (EndOfChapter->isChecked() || EndOfBook->isChecked())) {
        eEndChapter->setText(eStartChapter->text());
        eEndVerse->setText(eStartVerse->text());
    } else if (!FInSearchMode) {
        SearchGroupItems->button(1)->setChecked(true);
        SelectTestament();
        FSearchActive = true;
        EndOfChapter->setChecked(false);
        EndOfBook->setChecked(false);
        for (QLineEdit* edit : {eStartChapter, eStartVerse, eEndChapter, eEndVerse}) {
            edit->setText(QStringLiteral("1"));
            edit->setEnabled(true);
        }
        for (QComboBox* list : {OldT, NewT, Apoc})
            list->setCurrentIndex(0);
        NewT->setFocus();
        NewTChange(NewT);
    }
    FMainForm.FHelpKeyPressed = false;
    activateWindow();
}

void TBibleSearchDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TBibleSearchDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1)
        FMainForm.FHelpKeyPressed = true;
    QDialog::keyPressEvent(event);
}

void TBibleSearchDlg::HelpButtonClick()
{
    HtmlHelp::DisplayTopic(FMainForm.FHelpFileName + ReferenceTopic(HelpContextOf(this)));
    SelectedBookList()->setFocus();
}

void TBibleSearchDlg::reject()
{
    if (FSearchActive && !FInSearchMode)
        MapNewTReadingsFile();
    QDialog::reject();
}

void TBibleSearchDlg::RoleVersionsChanged()
{
    if (!FSearchActive) {
        MapNewTReadingsFile();
        return;
    }
    SelectTestament();
    NewTChange(SelectedBookList());
}

void TBibleSearchDlg::EndOfChapterClick()
{
    if (EndOfChapter->isChecked())
        EndOfBook->setChecked(false);
    else if (!EndOfBook->isChecked()) {
        eEndChapter->setText(eStartChapter->text());
        eEndVerse->setText(eStartVerse->text());
    }
    eEndChapter->setEnabled(!EndOfChapter->isChecked());
    eEndVerse->setEnabled(!EndOfChapter->isChecked());
}

void TBibleSearchDlg::EndOfBookClick()
{
    if (EndOfBook->isChecked())
        EndOfChapter->setChecked(false);
    else if (!EndOfChapter->isChecked()) {
        eEndChapter->setText(eStartChapter->text());
        eEndVerse->setText(eStartVerse->text());
    }
    eEndChapter->setEnabled(!EndOfBook->isChecked());
    eEndVerse->setEnabled(!EndOfBook->isChecked());
}

void TBibleSearchDlg::SearchGroupClick()
{
    SelectTestament();
    QComboBox* list = SelectedBookList();
    list->setFocus();
    NewTChange(list);
    SearchGroup->setFocus();
}

void TBibleSearchDlg::NewTChange(QComboBox* sender)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    QFont bold = ShowVersesLabel->font();
    bold.setBold(true);
    ShowVersesLabel->setFont(bold);
    ShowVersesLabel->setText(QStringLiteral("                    Computing Verse Numbers..."));
    ShowVersesLabel->repaint();
    const std::string summary =
        BuildChapterVerseSummary(sender->currentIndex(), sender->currentText().toStdString());
    ShowVersesLabel->setText(QString::fromStdString(summary));
    bold.setBold(false);
    ShowVersesLabel->setFont(bold);
    const QScreen* screen = QGuiApplication::screenAt(frameGeometry().center());
    FitSummary((screen ? screen : QGuiApplication::primaryScreen())->availableGeometry());
}

void TBibleSearchDlg::FitSummary(const QRect& area)
{
    // The summary wraps in the font it is shown in and scrolls in at most MaxSummaryLines lines,
    // fewer where the screen's area has less room below the dialog's top: the dialog grows and
    // shrinks downwards and stays where the user put it. An empty summary has no height.
    const int wanted = std::max(0, ShowVersesLabel->heightForWidth(ShowVersesArea->width()));
    const int line = ShowVersesLabel->fontMetrics().lineSpacing();
    const int frame = isVisible() ? frameGeometry().height() - height() : 0;
    const int top = isVisible() ? frameGeometry().top() : area.top();
    const int rest = layout()->sizeHint().height() - ShowVersesArea->maximumHeight();
    const int room = std::max(MinSummaryLines * line, area.bottom() + 1 - top - frame - rest);
    const int shown = std::min({wanted, MaxSummaryLines * line, room});
    ShowVersesArea->setVerticalScrollBarPolicy(wanted > shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    ShowVersesArea->setFixedHeight(shown);
    ShowVersesArea->verticalScrollBar()->setValue(0);
    setFixedSize(std::max(DesignWidth, layout()->minimumSize().width()), layout()->sizeHint().height());
}
