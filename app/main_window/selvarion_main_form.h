#pragma once
// The main window: the editor with the day's page, the icon column, the date and feast
// bars, the toolbars, the menus and the two-panel status bar. Its calendar and page menu
// items are live settings that the rest of the program reads at the moment of use.
#include <QMainWindow>
#include <QMessageBox>
#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdint>

#include <memory>

#include "day_page_names.h"
#include "file_mapping.h"
#include "rich_edit_printing.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPrinter;
class QTextEdit;
class QToolBar;
class QPushButton;
class QToolButton;
class TBibleSearchDlg;
class TCustomFindDialog;
class TDateBox;
class TIconColumnLayout;
class TModPanel;
class TOptionsDialog;
class TRzPanel;
enum class TToolbarImage;
struct TAppFolders;

class TSelvarionMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The image buttons of both toolbars.
    static constexpr QSize ImageButtonSize{25, 23};

    // Creates the window and reads the calendar and page choice from the settings.
    explicit TSelvarionMainForm(const TAppFolders& folders);
    // Writes the window's placement and the calendar and page choice.
    ~TSelvarionMainForm() override;

    bool FUpdatingToolbar = false;
    bool FSavePrompt = false;
    bool FHelpKeyPressed = false;
    QString FPersonalFileName;
    // The shown page was read from FPersonalFileName (not only named after it).
    bool FPersonalFileShown = false;
    // The stamp of FPersonalFileName when the page was read from it or saved to it.
    selvmap::FileStamp FPersonalFileStamp;
    QString FMyDocumentsDir;
    QString FAppDataDir;        // ends with a separator
    QString FHelpFileName;
    QString FSaveDialogDirectory;   // initial folder of the save dialog
    QPoint FMaxPosition{-4, -4};    // the maximized position kept with the placement

    // The other long-lived windows, known once they are created.
    TBibleSearchDlg* BibleSearchDlg = nullptr;
    TOptionsDialog* OptionsDialog = nullptr;
    TCustomFindDialog* CustomFindDialog = nullptr;
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
    QAction* MFind;
    QAction* MFindNext;
    QAction* MFindSaint;
    QAction* MEndBibleSearch;
    QMenu* MOptions;
    QAction* MOldCalendar;
    QAction* MNewCalendar;
    QAction* MTroparionKontakion;
    QAction* MDailyBibleReadings;
    QAction* MLivesSaints;
    QAction* MPreferences;
    QAction* MShowVerseNumbers;
    QAction* MShowNextIcon;   // F12 only, never in a menu
    QMenu* MHelp;
    QAction* MHelpTopics;
    QAction* MFindEasterDate;
    QAction* MDonate;
    QAction* MAboutSelvarion;
    QToolButton* MTBSelvarion;
    QToolButton* MTBBibleReadings;
    QToolButton* MTBLivesSaints;
    QToolButton* MTBFindSaint;
    QToolButton* MTBEndBibleSearch;
    QToolButton* MTBHelpTopics;

    // Editing: the Edit and Format menus, the edit toolbar and the editor's popup menu.
    QMenu* MEdit;
    QAction* MUndo;
    QAction* MCut;
    QAction* MCopy;
    QAction* MPaste;
    QAction* MDelete;
    QAction* MSelectAll;
    QMenu* MFormat;
    QAction* MFont;
    QAction* MBold;
    QAction* MItalic;
    QAction* MUnderline;
    QAction* MLeftAlign;
    QAction* MCenterAlign;
    QAction* MRightAlign;
    QAction* MBullets;
    QAction* MPrint;
    QMenu* MainRichEditPopupMenu;
    QAction* PUUndo;
    QAction* PUCut;
    QAction* PUCopy;
    QAction* PUPaste;
    QAction* PUDelete;
    QAction* PUSelectAll;
    QAction* PUBold;
    QAction* PUItalic;
    QAction* PUUnderline;
    QAction* PULeftAlign;
    QAction* PUCenterAlign;
    QAction* PURightAlign;
    QAction* PUBullets;
    QToolButton* ETBUndo;
    QToolButton* ETBCut;
    QToolButton* ETBCopy;
    QToolButton* ETBPaste;
    QComboBox* ETBFontName;
    QComboBox* ETBFontSize;
    QComboBox* ETBFontColor;
    QToolButton* ETBFontButton;
    QToolButton* ETBBold;
    QToolButton* ETBItalic;
    QToolButton* ETBUnderline;
    QToolButton* ETBLeftAlign;
    QToolButton* ETBCenterAlign;
    QToolButton* ETBRightAlign;
    QToolButton* ETBBullets;

    // A narrow window gives the icon column less than it asks for, down to MinIconColumnWidth,
    // so that the page keeps MinPageWidth; the window is never narrower than both.
    static constexpr int MinPageWidth = 360;
    static constexpr int MinIconColumnWidth = 160;
    // The height below the date and feast bars that the window keeps for the page and the
    // icon column, which shows its caption and button whole in it.
    static constexpr int MinPageHeight = 260;
    // The width the icon column asks for; 0 hides it.
    int IconColumnWidth() const { return FIconColumnWidth; }
    void SetIconColumnWidth(int width);
    // Hides the icon column, or shows it again at the width it had when it was hidden.
    void ShowIconColumn(bool shown);
    // The day's icon is shown at `size` on this screen, the column as wide as the icon.
    void SetIconSize(const QSize& size);

    // The window's own hint: the status text of the shown page.
    QString Hint() const { return FHint; }
    // Takes a new hint and shows it in status panel 1 at once.
    void SetHint(const QString& hint);
    // Status panel 1 shows the window's hint again.
    void ShowHintInStatusBar();
    // Whether the application shows tooltips.
    bool HintsShown() const { return FHintsShown; }
    void SetHintsShown(bool shown);
    // Swallows the application's tooltips while hints are switched off; a shown hint goes
    // away after HintHidePause milliseconds.
    bool eventFilter(QObject* watched, QEvent* e) override;
    static constexpr int HintHidePause = 4000;
    // The first showing on a screen of `screen` pixels: a small screen gets the icon's
    // caption in 6-point type.
    void FormShow(const QSize& screen);

    // The page whose menu item is checked (lives of saints when neither of the others is).
    TDayPage CurrentPage() const;
    // Checks the page's menu item and puts its page button down.
    void CheckPageItems(TDayPage page);
    // Captions and hints ("short|long") of the Find Saint menu item and toolbar button.
    void SetFindSaintTexts(const QString& menuCaption, const QString& buttonCaption,
                           const QString& menuHint, const QString& buttonHint);

    // The shown page is the Bible Readings page built from the Bible text (no personalized
    // file, no Bible search).
    bool ReadingsPageBuilt() const;

    // The shown day as "January 7", or in old-calendar mode "January 1/14" (old/civil day).
    QString GetShortDateTitle() const;

    // Takes the stamp of FPersonalFileName as the page on screen knows the file.
    void RememberPersonalFile();
    // The file differs from what the page on screen knows: another program saved it since.
    bool PersonalFileChangedElsewhere() const;

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
    // Opens the help file at its default topic.
    void MHelpTopicsClick();
    // The application's help hook: shows the topic of help context `data` for the commands
    // HelpCommandContext and HelpCommandContextPopup (false for any other command). Reference
    // topics open in the help window, popup topics next to the mouse or the control.
    bool AppOnHelp(uint16_t command, int data, bool& callHelp);
    // The dates of Western Easter and Pascha for the selected year and the next.
    void MFindEasterDateClick();
    void MDonateClick();
    void MAboutSelvarionClick();
    // Steps the icon column to the day's next icon.
    void ShowNextIconClick();
    // The screen changed: the icon on screen is loaded again and sized for it.
    void WMDisplayChange();
    // Saves the page as the day's personalized file: the user's Save, or, with FSavePrompt
    // set, the question before a changed page is left. False when cancelled or not written.
    bool MSaveClick(QObject* sender);
    // False when the dialog was cancelled or the file not written.
    bool MSaveAsClick();
    void MDeleteFileClick();
    // Find on the shown page, and the saint search; both take the search option bits.
    void MFindClick();
    void MFindNextClick();
    void MFindSaintClick();
    // Leaves Bible search mode and closes the Find Bible Verses dialog.
    void MEndBibleSearchClick();
    void FindOnPage(uint16_t options);
    void FindSaint(uint16_t options);

    // Edit commands: on the page, or on the text box of another active window (Find).
    void MUndoClick();
    void MCutClick();
    void MCopyClick();
    void MPasteClick();
    void MDeleteClick();
    void MSelectAllClick();
    // Formatting of the page's selection; `sender` is the menu item or toolbar button used.
    void ETBBoldClick(QObject* sender);
    void ETBItaliClick(QObject* sender);
    void ETBUnderlineClick(QObject* sender);
    void ETBAlignClick(QObject* sender);
    void ETBBulletsClick(QObject* sender);
    void MFontClick();
    void ETBFontNameChange();
    // `typed`: the size is being typed, so the box keeps the focus.
    void ETBFontSizeChange(bool typed);
    void ETBFontColorChange();
    // Writes the edit toolbar, the menus and the popup menu from the editor's selection.
    void MainRichEditSelectionChange();
    void MainRichEditPopupMenuPopup();
    // The editor's text keeps 20 pixels from the left and right edges, 18 from top and bottom.
    void SetEditMargins();

    // Printing of the shown page.
    void MPrintClick();
    void PrintPages(int fromPage, int toPage);
    // The title line printed above the page: the day's short date title in capitals.
    TPrintHeading PrintHeading() const;
    void PrintSelection();
    // The printer that printing uses (created on first use).
    QPrinter& Printer();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void CreateMenusAndToolBar();
    void CreateClientArea();
    void CreateShowNextIcon();
    void CreateEditCommands();
    QAction* AddCommand(QMenu* menu, const char* name, const QString& caption,
                        const QString& hint, const QKeySequence& key = {});
    // A main toolbar button with an image that runs the menu item `item`.
    QToolButton* AddImageButton(QAction* item, const char* name, TToolbarImage image);
    QToolButton* AddPageButton(const char* name, const QString& caption, QAction* item);
    // The reference topic of a context as the windows stand now.
    QString ReferenceTopicNow(int context) const;
    // Where the popup topic of a context is shown.
    QPoint PopupPoint(int context) const;
    // Moves the civil date to `civil` (already checked against the calendar's range).
    void GoToCivilDate(QObject* sender, const QDate& civil);
    // A step of the File menu's date commands to `civil`, refused past the range of the calendar
    // in use: in old-calendar mode when `pastOldRange`, else when the engine does not accept `civil`.
    void StepToCivilDate(QObject* sender, const QDate& civil, bool pastOldRange);

    // Gives the icon column the width the window has room for.
    void FitIconColumn();

    QString FHint;
    bool FHintsShown = true;
    int FIconColumnWidth = 54;
    int FIconPanelWidth = 54;   // the column's width while it is hidden
    TIconColumnLayout* FIconColumnLayout = nullptr;
    std::shared_ptr<QPrinter> FPrinter;
};
