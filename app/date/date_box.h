#pragma once
// The Select Date window. It holds the calendar state of the whole program (the engine it
// inherits) and its handler CalendarChange is the one path by which every date change
// takes effect: whatever moves the date sets the month grid's date, whose change event
// recomputes the day, writes the date and feast bars and loads the day's page.
#include <QDate>
#include <QDialog>

#include "calendar_engine.h"
#include "live_controls.h"
#include "resources.h"

class QAction;
class TBibleSearchDlg;
class TCustomCalendar;
class TModPanel;
class TOptionsDialog;
class TRzPanel;
class TSelvarionMainForm;
struct TDayNameInput;

// When `refused`, tells the user (centred over `over`) that the calendar in use ends there.
bool RefuseCalendarStep(QWidget* over, bool oldCalendar, bool refused);

class TDateBox : public QDialog, private TLiveControls, public TCalendarEngine {
    Q_OBJECT
public:
    // Selects today (clamped to the old-calendar range in old-calendar mode), loads the first
    // page and restores the main window's placement and this window's position.
    TDateBox(TSelvarionMainForm& mainForm, TOptionsDialog& options, TBibleSearchDlg& bibleSearch,
             rsrc::HMODULE dayNames);
    // Writes this window's position.
    ~TDateBox() override;

    bool FIconFound = false;
    int16_t FCurrentIconKey = 0;
    bool FForcePersonalized = false;

    TCustomCalendar* Calendar;
    TModPanel* ModPanel1;
    TRzPanel* DecMonth;
    TRzPanel* Month;
    TRzPanel* IncMonth;
    TRzPanel* DecYear;
    TRzPanel* Year;
    TRzPanel* IncYear;
    QAction* Close;

    // The date-change hub: the grid's change event.
    void CalendarChange();
    void DecMonthClick();
    void IncMonthClick();
    void DecYearClick();
    void IncYearClick();

    // Moves to a civil date (kept inside the years the engine handles) by setting the grid.
    void MoveToCivilDate(const QDate& civil);
    // Sets the grid for the calendar mode just chosen; an old date outside the old
    // calendar's range is first brought to its nearer end.
    void ShowCalendarMode();

    // Loads the day's page into the main window's editor: the personalized file when one is
    // to be loaded, else the library document or the generated readings page.
    void ShowDayPage(bool withIcon);
    // What names the shown day's page and files.
    TDayNameInput DayNameInput() const;

    // The icon column. ShowDayIcon chooses the day's first icon for the content key in Key,
    // or with NextIcon the icon after the one in Key, puts its key into Key and loads it.
    void ShowDayIcon(int16_t& Key, bool NextIcon, bool Force);
    // Loads icon `key` into the column unless it is on screen already (or `force`).
    void LoadDayIcon(uint16_t key, bool force);

private:
    bool OldMode() const;
    void MoveToOldDate(const QDate& oldShifted);
    // An arrow's step of the civil date, refused past the years the engine accepts.
    void StepCivilDate(const QDate& civil);
    void LoadLibraryPage(const TDayNameInput& day);
    // Whether the supplemental library holds the icon after `key`.
    bool FindSupplementalIcon(uint16_t key);
    void ShowNextIconControls(bool shown);
    void AdjustIconSize();
    TRzPanel* AddArrow(const char* name, const QString& caption, int left, int width);
    TRzPanel* AddCaption(const char* name, int left, int width);

    // The day of the page on screen, kept while a date change is refused.
    QDate FShownCivilDate;
    TSelvarionMainForm& FMainForm;
    TOptionsDialog& FOptions;
    TBibleSearchDlg& FBibleSearch;
};
