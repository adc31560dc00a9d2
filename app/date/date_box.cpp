#include "date_box.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>
#include <cstring>

#include "bible_search_dlg.h"
#include "content_api.h"
#include "custom_calendar.h"
#include "day_page_names.h"
#include "file_mapping.h"
#include "help_contexts.h"
#include "message_box.h"
#include "options_dialog.h"
#include "rtf.h"
#include "rz_panel.h"
#include "selvarion_main_form.h"
#include "settings_store.h"
#include "ui_guards.h"

namespace {

const QString OldCalendarRangeMessage = QStringLiteral(
    "This implementation of the Old Calendar is only accurate from March 1, 1900 to February 28, 2084");
const QString NewCalendarRangeMessage =
    QStringLiteral("This implementation of the New Calendar is only accurate from January 1, %1 to December 31, %2")
        .arg(TCalendarEngine::FirstCivilYear)
        .arg(TCalendarEngine::LastCivilYear);
const QColor PersonalizedPageColor(255, 255, 239);
// Pages up to this length keep the shaped text of their paragraphs, at some 30 bytes a character.
constexpr int MaxShapedTextKept = 150000;

// Once laid out, the paragraphs of the page keep their shaped text, so that painting them, at
// every repaint, does not shape it again.
void KeepShapedText(QTextDocument& page)
{
    if (page.characterCount() > MaxShapedTextKept)
        return;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
}

// While the day's page and icon load, the page waits to be laid out: it is laid out once, at
// the width the new icon leaves the editor, not at the old width and then again at the new.
class TPageLayoutWait {
public:
    explicit TPageLayoutWait(TSelvarionMainForm& form)
        : form_(form), pageSize_(form.MainRichEdit->document()->pageSize())
    {
        QTextEdit& edit = *form.MainRichEdit;
        // The new page is shown from its top, as the editor would be scrolled by laying out
        // the old page emptied.
        edit.verticalScrollBar()->setValue(0);
        // A document of no size lays nothing out.
        edit.document()->setPageSize(QSizeF(0, 0));
    }
    ~TPageLayoutWait()
    {
        // The window's layout gives the editor its width now; a new width lays out the page,
        // and at the old one it is laid out here.
        form_.centralWidget()->layout()->activate();
        QTextDocument& page = *form_.MainRichEdit->document();
        if (page.pageSize().isNull())
            page.setPageSize(pageSize_);
    }
    TPageLayoutWait(const TPageLayoutWait&) = delete;
    TPageLayoutWait& operator=(const TPageLayoutWait&) = delete;

private:
    TSelvarionMainForm& form_;
    const QSizeF pageSize_;
};

QFont ArialBold(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

QString ViewingText(TDayPage page, bool personalized)
{
    const char* what = page == TDayPage::TroparionKontakion   ? "troparia and kontakia"
                       : page == TDayPage::DailyBibleReadings ? "bible verses"
                                                              : "lives of saints";
    return QStringLiteral("Viewing %1%2 for ")
        .arg(personalized ? QStringLiteral("personalized ") : QString(), QLatin1String(what));
}

} // namespace

TDateBox::TDateBox(TSelvarionMainForm& mainForm, TOptionsDialog& options,
                   TBibleSearchDlg& bibleSearch, rsrc::HMODULE dayNames)
    : QDialog(&mainForm, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      TLiveControls(mainForm, options),
      TCalendarEngine(static_cast<const TLiveControls&>(*this), dayNames),
      FMainForm(mainForm),
      FOptions(options),
      FBibleSearch(bibleSearch)
{
    setObjectName(QStringLiteral("DateBox"));
    setWindowTitle(QStringLiteral("Select Date"));
    setFont(ArialBold(14));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("DateBoxMenu"));
    Close = menu->addAction(QStringLiteral("&Close"));
    Close->setObjectName(QStringLiteral("Close"));
    connect(Close, &QAction::triggered, this, [this] { done(QDialog::Accepted); });
    layout->setMenuBar(menu);

    ModPanel1 = new TModPanel(this);
    ModPanel1->setObjectName(QStringLiteral("ModPanel1"));
    ModPanel1->setFixedHeight(25);
    ModPanel1->SetBevelOuter(bvNone);
    DecMonth = AddArrow("DecMonth", QStringLiteral("<"), 0, 25);
    Month = AddCaption("Month", 25, 126);
    IncMonth = AddArrow("IncMonth", QStringLiteral(">"), 151, 26);
    DecYear = AddArrow("DecYear", QStringLiteral("<"), 176, 25);
    Year = AddCaption("Year", 201, 77);
    IncYear = AddArrow("IncYear", QStringLiteral(">"), 278, 25);
    connect(DecMonth, &TRzPanel::Click, this, &TDateBox::DecMonthClick);
    connect(IncMonth, &TRzPanel::Click, this, &TDateBox::IncMonthClick);
    connect(DecYear, &TRzPanel::Click, this, &TDateBox::DecYearClick);
    connect(IncYear, &TRzPanel::Click, this, &TDateBox::IncYearClick);
    layout->addWidget(ModPanel1);

    Calendar = new TCustomCalendar(this);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->SetGridLineWidth(2);
    Calendar->SetStartOfWeek(0);
    layout->addWidget(Calendar, 1);
    connect(Calendar, &TCustomCalendar::Change, this, &TDateBox::CalendarChange);
    setFixedSize(303, 231 + menu->sizeHint().height());

    mainForm.DateBox = this;
    // Today, as the grid holds it from its creation.
    SetCivilDate(Calendar->CalendarDate());
    if (OldMode()) {
        ShowCalendarMode();
        mainForm.setWindowTitle(QStringLiteral("Selvarion - Old Calendar"));
    } else {
        Calendar->SetCalendarDate(FCivilDate);
        mainForm.setWindowTitle(QStringLiteral("Selvarion - New Calendar"));
    }
    LoadMainWindowPlacement(mainForm, QStringLiteral("MainWindow"), SettingsKey);
    LoadDialogPosition(*this, QStringLiteral("DateWindow"), SettingsKey);
    AssignHelpContexts(*this);
    mainForm.ShowHintInStatusBar();
}

TDateBox::~TDateBox()
{
    SaveDialogPosition(*this, QStringLiteral("DateWindow"), SettingsKey);
    FMainForm.DateBox = nullptr;
}

TRzPanel* TDateBox::AddArrow(const char* name, const QString& caption, int left, int width)
{
    TRzPanel* arrow = AddCaption(name, left, width);
    arrow->SetCaption(caption);
    arrow->setFont(ArialBold(15));
    arrow->SetBevelOuter(bvRaised);
    // Pressed arrows look pressed.
    connect(arrow, &TRzPanel::MouseDown, arrow, [arrow] {
        arrow->SetBevelInner(bvLowered);
        arrow->SetBevelOuter(bvLowered);
    });
    connect(arrow, &TRzPanel::MouseUp, arrow, [arrow] {
        arrow->SetBevelInner(bvRaised);
        arrow->SetBevelOuter(bvRaised);
    });
    return arrow;
}

TRzPanel* TDateBox::AddCaption(const char* name, int left, int width)
{
    auto* panel = new TRzPanel(ModPanel1);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(left, 0, width, 25);
    panel->SetBevelInner(bvRaised);
    panel->SetBevelOuter(bvNone);
    panel->setFont(ArialBold(17));
    return panel;
}

bool TDateBox::OldMode() const
{
    return OldCalendar();
}

void TDateBox::CalendarChange()
{
    if (!FMainForm.CheckSaveChanges(Calendar)) {
        // The changed page stays, and with it the day it belongs to, also on the grid.
        SetCivilDate(FShownCivilDate);
        const QSignalBlocker quiet(Calendar);
        Calendar->SetCalendarDate(OldMode() ? FOldDateShifted : FCivilDate);
        return;
    }
    TUpdateLock lock(&FMainForm);
    const QDate shown = Calendar->CalendarDate();
    if (OldMode()) {
        SetOldDate(std::clamp(shown, FirstOldDateShifted, LastOldDateShifted));
        const QString today = QStringLiteral("Today's Date: ") +
                              QLocale().toString(FCivilDate, QStringLiteral("MMMM d, yyyy"));
        FMainForm.StatusPanel0->setText(today);
        FMainForm.StatusPanel0->setFixedWidth(FMainForm.fontMetrics().horizontalAdvance(today) + 10);
    } else {
        SetCivilDate(std::clamp(shown, QDate(FirstCivilYear, 1, 1), QDate(LastCivilYear, 12, 31)));
        FMainForm.StatusPanel0->clear();
        FMainForm.StatusPanel0->setFixedWidth(0);
    }
    FShownCivilDate = FCivilDate;
    FMainForm.DateBar->SetCaption(QString::fromStdString(GetDateTitle()));
    FMainForm.InfoBar->SetCaption(QString::fromStdString(GetDayDescription()));
    Month->SetCaption(QString::fromStdString(GetMonthCaption()));
    Year->SetCaption(QString::fromStdString(GetYearCaption()));
    ShowDayPage(true);
    FMainForm.ShowHintInStatusBar();
}

bool RefuseCalendarStep(QWidget* over, bool oldCalendar, bool refused)
{
    if (refused)
        CenteredMessageBox(over, oldCalendar ? OldCalendarRangeMessage : NewCalendarRangeMessage,
                           QMessageBox::Ok, QMessageBox::Information);
    return refused;
}

void TDateBox::MoveToCivilDate(const QDate& civil)
{
    SetCivilDate(std::clamp(civil, QDate(FirstCivilYear, 1, 1), QDate(LastCivilYear, 12, 31)));
    Calendar->SetCalendarDate(OldMode() ? FOldDateShifted : FCivilDate);
}

void TDateBox::StepCivilDate(const QDate& civil)
{
    if (!RefuseCalendarStep(this, false, !IsAcceptedCivilDate(civil)))
        MoveToCivilDate(civil);
}

void TDateBox::MoveToOldDate(const QDate& oldShifted)
{
    SetOldDate(oldShifted);
    Calendar->SetCalendarDate(FOldDateShifted);
}

void TDateBox::ShowCalendarMode()
{
    if (!OldMode()) {
        Calendar->SetCalendarDate(FCivilDate);
        return;
    }
    const QDate old = std::clamp(FOldDateShifted, FirstOldDateShifted, LastOldDateShifted);
    if (old != FOldDateShifted || FCivilDate < FirstCivilDate || FCivilDate > LastCivilDate)
        SetOldDate(old);
    Calendar->SetCalendarDate(FOldDateShifted);
}

// The arrows step the stored old date in old-calendar mode and the civil date otherwise,
// up to the ends of the mode's range; a day beyond the new month's end becomes its last day.
void TDateBox::DecMonthClick()
{
    if (!OldMode())
        return StepCivilDate(FCivilDate.addMonths(-1));
    if (!RefuseCalendarStep(this, true, FOldYearShifted == 1916 && FOldMonth == 3))
        MoveToOldDate(FOldDateShifted.addMonths(-1));
}

void TDateBox::IncMonthClick()
{
    if (!OldMode())
        return StepCivilDate(FCivilDate.addMonths(1));
    if (!RefuseCalendarStep(this, true, FOldYearShifted == 2100 && FOldMonth == 2))
        MoveToOldDate(FOldDateShifted.addMonths(1));
}

void TDateBox::DecYearClick()
{
    if (!OldMode())
        return StepCivilDate(FCivilDate.addYears(-1));
    if (!RefuseCalendarStep(this, true, FOldDateShifted < QDate(1917, 3, 1)))
        MoveToOldDate(FOldDateShifted.addYears(-1));
}

void TDateBox::IncYearClick()
{
    if (!OldMode())
        return StepCivilDate(FCivilDate.addYears(1));
    if (!RefuseCalendarStep(this, true, FOldDateShifted >= QDate(2099, 3, 1)))
        MoveToOldDate(FOldDateShifted.addYears(1));
}

TDayNameInput TDateBox::DayNameInput() const
{
    TDayNameInput day;
    day.page = FMainForm.CurrentPage();
    day.oldCalendar = OldMode();
    day.keyMonth = day.oldCalendar ? FOldMonth : FCivilMonth;
    day.keyDay = day.oldCalendar ? FOldDay : FCivilDay;
    day.civilMonth = FCivilMonth;
    day.civilDay = FCivilDay;
    day.year = day.oldCalendar ? FOldYearShifted - 16 : FCivilYear;
    return day;
}

void TDateBox::LoadLibraryPage(const TDayNameInput& day)
{
    const uint16_t key = LibraryKeyOf(day);
    const char* document = day.page == TDayPage::TroparionKontakion ? LoadTropFromResource(key)
                                                                      : LoadLivesFromResource(key);
    QTextDocument& page = *FMainForm.MainRichEdit->document();
    if (document)
        LoadRtf(page, QByteArray(document, static_cast<qsizetype>(std::strlen(document))));
    else
        page.clear();
}

void TDateBox::ShowDayPage(bool withIcon)
{
    TWaitCursor wait;
    const TDayNameInput day = DayNameInput();
    const TDayPage page = day.page;
    FMainForm.FPersonalFileName =
        FMainForm.FAppDataDir + QString::fromStdString(PersonalFileTitle(day));
    const uint16_t contentKey = ContentKeyOf(day);
    const uint16_t iconKey = GetIconKey(contentKey);
    FIconFound = FindJpgResource(contentKey) || FindJpgResource(iconKey);
    if (!day.oldCalendar && contentKey == 619)
        FIconFound = false;

    QTextEdit* edit = FMainForm.MainRichEdit;
    const bool fileExists = QFileInfo::exists(FMainForm.FPersonalFileName);
    bool personal = FForcePersonalized || (FOptions.LoadPersonalized->isChecked() && fileExists);
    // A file that was to be shown but could not be read: the user may still delete it.
    bool unreadable = false;
    if (personal) {
        // The file is a page saved as rich text; one that cannot be read or holds something
        // else is said so and not taken for the page.
        QByteArray bytes;
        QString trouble;
        FMainForm.RememberPersonalFile();
        if (selvmap::ReadRegularFile(FMainForm.FPersonalFileName, bytes, trouble) && !LoadRtf(*edit->document(), bytes))
            trouble = QStringLiteral("It holds no rich text page.");
        if (!trouble.isEmpty()) {
            personal = false;
            unreadable = fileExists;
            CenteredMessageBox(&FMainForm,
                               QStringLiteral("Cannot open file \"%1\". %2")
                                   .arg(QDir::toNativeSeparators(FMainForm.FPersonalFileName), trouble),
                               QMessageBox::Ok, QMessageBox::Warning);
        }
    }

    {
        // The page is laid out once, at the width the day's icon leaves the editor.
        const TPageLayoutWait layoutWait(FMainForm);
        QPalette colours = edit->palette();
        const QString dateTitle = FMainForm.GetShortDateTitle();
        // Show Verse Numbers renumbers only a readings page built from the Bible text.
        FMainForm.MShowVerseNumbers->setEnabled(!personal && page == TDayPage::DailyBibleReadings);
        if (personal) {
            colours.setColor(QPalette::Base, PersonalizedPageColor);
            FMainForm.SetHint(ViewingText(page, true) + dateTitle);
        } else {
            colours.setColor(QPalette::Base, FMainForm.palette().color(QPalette::Base));
            const QString notLoaded = unreadable   ? QStringLiteral("Personalized file could not be read. ")
                                      : fileExists ? QStringLiteral("Personalized file not loaded. ")
                                                   : QString();
            FMainForm.SetHint(notLoaded + ViewingText(page, false) + dateTitle);
            if (page == TDayPage::DailyBibleReadings) {
                QFont font = edit->document()->defaultFont();
                font.setPointSize(12);
                edit->document()->setDefaultFont(font);
                edit->setPlainText(QString::fromStdString(FBibleSearch.BuildBibleReadingsPage()));
            } else {
                LoadLibraryPage(day);
            }
        }
        edit->setPalette(colours);
        KeepShapedText(*edit->document());
        if (withIcon && FOptions.ShowIcons->isChecked()) {
            auto shownIconKey = static_cast<int16_t>(contentKey);
            ShowDayIcon(shownIconKey, false, false);
        }
    }

    FMainForm.FPersonalFileShown = personal;
    FMainForm.MDeleteFile->setVisible(personal || unreadable);
    FMainForm.MDeleteFile->setEnabled(personal || unreadable);
    FMainForm.N3->setVisible(personal || unreadable);
    FForcePersonalized = false;
    edit->document()->setModified(false);
    edit->moveCursor(QTextCursor::Start);
}
