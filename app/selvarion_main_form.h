#pragma once
// The main window: the editor with the day's page, the icon column, the date and feast
// bars, the toolbars, the menus and the two-panel status bar. Its calendar and page menu
// items are live settings that the rest of the program reads at the moment of use.
#include <QMainWindow>
#include <QMessageBox>
#include <QPoint>
#include <QString>

#include "day_page_names.h"

class QAction;
class QLabel;
class QMenu;
class QTextEdit;
class QToolBar;
class QPushButton;
class QToolButton;
class TBibleSearchDlg;
class TDateBox;
class TModPanel;
class TOptionsDialog;
class TRzPanel;
struct TAppFolders;

class TSelvarionMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Creates the window and reads the calendar and page choice from the settings.
    explicit TSelvarionMainForm(const TAppFolders& folders);
    // Writes the window's placement and the calendar and page choice.
    ~TSelvarionMainForm() override;

    bool FUpdatingToolbar = false;
    bool FSavePrompt = false;
    bool FHelpKeyPressed = false;
    QString FPersonalFileName;
    QString FMyDocumentsDir;
    QString FAppDataDir;        // ends with a separator
    QString FHelpFileName;
    int FIconPanelWidth = 54;
    QString FSaveDialogDirectory;   // initial folder of the save dialog
    QPoint FMaxPosition{-4, -4};    // the maximized position kept with the placement

    // The other long-lived windows, known once they are created.
    TBibleSearchDlg* BibleSearchDlg = nullptr;
    TOptionsDialog* OptionsDialog = nullptr;
    TDateBox* DateBox = nullptr;

    // Controls.
    QToolBar* MainToolBar;
    QToolBar* EditToolBar;
    TModPanel* DateBar;
    TModPanel* InfoBar;
    TRzPanel* ContainerPanel;
    QLabel* MainImage;
    TRzPanel* CenterPanel;
    TRzPanel* BottomPanel;
    QPushButton* ShowNextIcon;
    QTextEdit* MainRichEdit;
    QLabel* StatusPanel0;   // "Today's Date: " in old-calendar mode
    QLabel* StatusPanel1;   // hints and the page's status text

    QMenu* MFile;
    QAction* MSelectDate;
    QAction* MPreviousYear;
    QAction* MPreviousDay;
    QAction* MToday;
    QAction* MNextDay;
    QAction* MNextYear;
    QAction* MSave;
    QAction* MSaveAs;
    QAction* N3;
    QAction* MDeleteFile;
    QAction* MExit;
    QMenu* MSearch;
    QAction* MFindSaint;
    QMenu* MOptions;
    QAction* MOldCalendar;
    QAction* MNewCalendar;
    QAction* MTroparionKontakion;
    QAction* MDailyBibleReadings;
    QAction* MLivesSaints;
    QAction* MPreferences;
    QAction* MShowVerseNumbers;
    QAction* MShowNextIcon;   // F12 only, never in a menu
    QToolButton* MTBSelvarion;
    QToolButton* MTBBibleReadings;
    QToolButton* MTBLivesSaints;
    QToolButton* MTBFindSaint;

    // The window's own hint: the status text of the shown page.
    QString Hint() const { return FHint; }
    void SetHint(const QString& hint);
    // Status panel 1 shows the window's hint again.
    void ShowHintInStatusBar();
    // Whether the application shows tooltips.
    bool HintsShown() const { return FHintsShown; }
    void SetHintsShown(bool shown);
    // Swallows the application's tooltips while hints are switched off.
    bool eventFilter(QObject* watched, QEvent* e) override;

    // The page whose menu item is checked (lives of saints when neither of the others is).
    TDayPage CurrentPage() const;
    // Checks the page's menu item and puts its page button down.
    void CheckPageItems(TDayPage page);
    // Captions and hints ("short|long") of the Find Saint menu item and toolbar button.
    void SetFindSaintTexts(const QString& menuCaption, const QString& buttonCaption,
                           const QString& menuHint, const QString& buttonHint);

    // The shown day as "January 7", or in old-calendar mode "January 1/14" (old/civil day).
    QString GetShortDateTitle() const;

    // Asked before the shown page is left or rebuilt: a changed page may be kept first.
    // False when the user cancels or the save fails; the asking command then ends.
    bool CheckSaveChanges(QObject* sender);

    QMessageBox::StandardButton ShowMessageCentered(const QString& msg, QMessageBox::Icon type,
                                                    QMessageBox::StandardButtons buttons);

    // Commands.
    void MSelectDateClick();
    void MPreviousDayClick();
    void MNextDayClick();
    void MPreviousYearClick();
    void MNextYearClick();
    void MTodayClick();
    void MTroparionKontakionClick(QObject* sender);
    void MOldCalendarClick(QObject* sender);
    void MShowVerseNumbersClick();
    void MPreferencesClick();
    // Steps the icon column to the day's next icon.
    void ShowNextIconClick();
    // The screen changed: the icon on screen is loaded again and sized for it.
    void WMDisplayChange();
    // Saves the page as the day's personalized file: the user's Save, or, with FSavePrompt
    // set, the question before a changed page is left. False when cancelled or not written.
    bool MSaveClick(QObject* sender);
    void MSaveAsClick();
    void MDeleteFileClick();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void CreateMenusAndToolBar();
    void CreateClientArea();
    void CreateShowNextIcon();
    QAction* AddCommand(QMenu* menu, const char* name, const QString& caption,
                        const QString& hint, const QKeySequence& key = {});
    QToolButton* AddPageButton(const char* name, const QString& caption, QAction* item);
    // Moves the civil date to `civil` (already checked against the old-calendar range).
    void GoToCivilDate(QObject* sender, const QDate& civil);

    QString FHint;
    bool FHintsShown = true;
};
