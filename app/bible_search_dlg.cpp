#include "bible_search_dlg.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>

#include "app_folders.h"
#include "date_box.h"
#include "live_controls.h"
#include "message_box.h"
#include "options_dialog.h"
#include "readings_builder.h"
#include "selvarion_main_form.h"
#include "settings_store.h"

namespace {

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
    : QDialog(&mainForm, Qt::Dialog | Qt::WindowStaysOnTopHint),
      TBibleReader(*this, *this),
      FMainForm(mainForm)
{
    setObjectName(QStringLiteral("BibleSearchDlg"));
    setWindowTitle(QStringLiteral("Find Bible Verses"));
    auto* layout = new QVBoxLayout(this);
    OldT = AddBookList(layout, "OldT", BibleBookNamesOldT);
    NewT = AddBookList(layout, "NewT", BibleBookNamesNewT);
    Apoc = AddBookList(layout, "Apoc", BuiltInApocBookNames);
    ChapterHeadings = new QCheckBox(QStringLiteral("Include Chapter Headings"));
    ChapterHeadings->setObjectName(QStringLiteral("ChapterHeadings"));
    ChapterHeadings->setChecked(true);
    VerseNumbers = new QCheckBox(QStringLiteral("Include Verse Numbers"));
    VerseNumbers->setObjectName(QStringLiteral("VerseNumbers"));
    VerseNumbers->setChecked(true);
    layout->addWidget(ChapterHeadings);
    layout->addWidget(VerseNumbers);
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
    ShowBookList(1);
    resize(388, 237);

    mainForm.BibleSearchDlg = this;
    LoadDialogPosition(*this, QStringLiteral("BibleSearchWindow"), SettingsKey);
    LoadBibleSearchSettings(*this, QStringLiteral("BibleSearchSettings"), SettingsKey);
    MapBibleFile(FNewTReadingsFile);
    FMappedTestament = 1;
}

TBibleSearchDlg::~TBibleSearchDlg()
{
    SaveDialogPosition(*this, QStringLiteral("BibleSearchWindow"), SettingsKey);
    SaveBibleSearchSettings(*this, QStringLiteral("BibleSearchSettings"), SettingsKey);
    FMainForm.BibleSearchDlg = nullptr;
}

std::string TBibleSearchDlg::BuildBibleReadingsPage()
{
    const TLiveControls settings(FMainForm, *FMainForm.OptionsDialog);
    return ::BuildBibleReadingsPage(*FMainForm.DateBox, *this, settings, *this,
                                    {ProgramDir(), AppDataDir()});
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
