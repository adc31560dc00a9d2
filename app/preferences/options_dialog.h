#pragma once
// The Preferences dialog. Its check boxes and radio buttons are the program's live
// settings: other windows read their ticked state at the moment of use. The settings are
// loaded when the dialog is created and saved when it is destroyed.
#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>

#include <QMessageBox>

#include <array>
#include <optional>

#include "installed_versions.h"

class QCheckBox;
class QLineEdit;
class QGroupBox;
class QKeyEvent;
class QLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;
class TSelvarionMainForm;

// The version pages' messages quote names and break their lines with one line feed.
inline const QString MessageQuote = QStringLiteral("\"");
inline const QString MessageLineBreak = QStringLiteral("\n");

class TOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TOptionsDialog(TSelvarionMainForm& mainForm);
    ~TOptionsDialog() override;

    // The size the dialog opens at, where its pages need no more.
    static constexpr QSize DesignSize{331, 362};

    // Controls.
    QTabWidget* PageControl;
    QWidget* UserPrefs;
    QWidget* BibleVersions;
    QGroupBox* General;
    QCheckBox* ShowIcons;
    QCheckBox* ShowVerseNumbers;
    QCheckBox* UseLukanJump;
    QCheckBox* ShowMainToolbar;
    QCheckBox* ShowEditToolbar;
    QCheckBox* ShowHints;
    QCheckBox* ShowDialogs;
    QGroupBox* SavedFiles;
    QRadioButton* LoadPersonalized;
    QRadioButton* LoadOriginal;
    QLabel* ActiveOT1;
    QLabel* ActiveNT1;
    QLabel* ActiveApoc1;
    QLabel* ActiveOT2;
    QLabel* ActiveNT2;
    QLabel* ActiveApoc2;
    QGroupBox* ManageFiles;
    QPushButton* AppDataButton;
    QPushButton* ChangeVersionsButton;
    QPushButton* ApplyButton;
    // Bible Files page.
    QWidget* BibleFiles;
    QLabel* TitleLabel;
    QGroupBox* InstalledFiles;
    QGroupBox* InstallUninstall;
    QPushButton* InstallButton;
    QPushButton* UninstallButton;
    QPushButton* EditButton;
    QPushButton* UninstallEditOKButton;
    QPushButton* UninstallEditCancelButton;
    std::array<QLabel*, 12> FileLabels;              // slot 0 is the built-in version
    std::array<QRadioButton*, 12> FileRadioButtons;
    // The two pages without a tab.
    QWidget* ChangeVersionsPage;
    std::array<QRadioButton*, 6> VersionRadioButtons;
    std::array<QLabel*, 6> ActiveVersionLabels;   // ActiveOT3 .. ActiveApoc4
    QPushButton* ChangeVersionsOKButton;
    QPushButton* ChangeVersionsCancelButton;
    QWidget* InstallPage;
    QGroupBox* InstallUnboundBible;
    QLabel* SelectFileLabel;
    QLineEdit* FileEdit;
    QPushButton* FileBrowseButton;
    QLabel* ScanFileLabel;
    QPushButton* ScanButton;
    std::array<QLabel*, 8> InfoLabels;   // InfoLabel1 .. InfoLabel8
    QLabel* NameLabel;
    QLineEdit* NameEdit;
    QLabel* FinishedLabel;
    QLabel* FinishedNameLabel;
    QPushButton* InstallOKButton;
    QPushButton* InstallCancelButton;
    // Never shown: keeps the chosen path as shortened for FileEdit.
    QLabel* HiddenLabel;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QPushButton* HelpButton;

    // Settings behind the "Show All Message Dialogs" box and the backup question.
    int FSaveBackups = 7;
    bool FDontAskSave = false;
    bool FDontAskProceed = false;
    // Initial folder of the Bible file browser.
    QString FBrowseDirectory;

    // The installed versions' display names, in slot order.
    QStringList FInstalledVersions;
    // The Bible Files page picks a version for role FVersionRole (0-5).
    bool FChangeVersionMode = false;
    size_t FVersionRole = 0;
    // The Bible Files page, then the install page, give version FRenameIndex a new name.
    bool FRenameMode = false;
    int FRenameIndex = -1;
    // The file chosen on the install page, and what its scan found (none before a scan).
    QString FInstallFileName;
    std::optional<TScanResult> FScan;

    // The six version-name labels in role order (readings OT, NT, Apocrypha, then search).
    std::array<QLabel*, 6> VersionLabels() const;

    // Applies the changed settings to the main window (OK) or puts the controls back (Cancel).
    // OK is false when a question about the edited page was cancelled: nothing is applied and
    // the dialog stays open with the changes, which the page must not follow before an OK.
    bool OKButtonClick();
    void CancelButtonClick();
    // The main window's F11: flips ShowVerseNumbers and keeps the flip when Cancel is pressed.
    void ToggleShowVerseNumbers();
    // Either radio button: a shown personalized page follows the new choice at once.
    void LoadPersonalizedClick(QRadioButton* sender);
    // Opens the user's data folder in the desktop's file manager; says so when it cannot.
    void AppDataButtonClick();
    // The help topic of the page shown; Help shows it.
    QString HelpTopic() const;
    void HelpButtonClick();

    // The version roles: "Change Active Versions", a role's radio button (pick mode of the
    // Bible Files page), the OK and Cancel of the change page, and "Apply Changes", which puts
    // the chosen versions in force. Apply returns false when the user keeps an edited
    // readings page by cancelling the save question; nothing is then applied.
    void ChangeVersionsButtonClick();
    void VersionRadioButtonClick(size_t role);
    void ChangeVersionsOKButtonClick();
    void ChangeVersionsCancelButtonClick();
    bool ApplyButtonClick();
    // The Bible Files page: a slot's radio button, and the page's OK and Cancel, which serve
    // the pick of a role's version, uninstalling and renaming.
    void FileRadioButtonClick();
    void UninstallEditOKButtonClick();
    void UninstallEditCancelButtonClick();
    void UninstallButtonClick();
    void EditButtonClick();
    // The install page, which also takes a new version name.
    void InstallButtonClick();
    void FileBrowseButtonClick();
    void ScanButtonClick();
    void NameEditChange();
    void InstallOKButtonClick();
    void InstallCancelButtonClick();

    // A message box titled "Selvarion", centred on this dialog; returns the button pressed.
    QMessageBox::StandardButton ShowDialogMessage(const QString& msg, QMessageBox::Icon icon,
                                                  QMessageBox::StandardButtons buttons);
    // The same with a "Don't ask me this again" box, whose state is reported whichever
    // button closes the message.
    QMessageBox::StandardButton AskWithDontAskAgain(const QString& msg, QMessageBox::Icon icon,
                                                    QMessageBox::StandardButtons buttons,
                                                    bool& dontAskAgain);

    // Cancel, Esc and closing the dialog from its title bar: a page of the version commands is
    // left first, so that the dialog always opens again with its tabs, and the controls are
    // put back.
    void reject() override;

protected:
    // Esc works as the Cancel button; F1 tells the main window that help was asked for from
    // the keyboard.
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    // Adds the "Don't ask me this again" box to the message being built.
    void childEvent(QChildEvent* e) override;
    // The names of the Bible Files page pick their versions as their buttons do.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct TSnapshot {
        bool showIcons, useLukanJump, showMainToolbar, showEditToolbar, showHints, showDialogs,
            loadPersonalized, showVerseNumbers;
        bool operator==(const TSnapshot&) const = default;
    };
    TSnapshot CurrentPreferences() const;
    void TakeSnapshot();
    static QPushButton* AddPageButton(QLayout* layout, const char* name, const QString& caption);
    void BuildBibleVersionsPage();
    void BuildBibleFilesPage();
    void BuildChangeVersionsPage();
    void BuildInstallPage();
    void ConnectVersionPages();

    // While another page than the tabbed ones is worked through, the tabs are hidden and the
    // dialog's OK and Cancel disabled.
    void ShowTabs(bool shown);
    // A long version name widened the dialog: back with its tabs, it is no wider than its
    // pages now need.
    void FitWidthToPages();
    // The slots of the Bible Files page from FInstalledVersions, and the three commands.
    void ShowInstalledVersions();
    // The Bible Files page's selection modes and its normal layout.
    void SetSelectionLayout(const QString& title, const QString& filesCaption, const QString& commandsCaption);
    void RestoreNormalLayout();
    int SelectedSlot() const;
    // The name typed on the install page, and why it cannot be taken (empty when it can).
    QString TypedName() const;
    QString NameProblem() const;
    void LeaveInstallPage();
    void ShowScanResult(const TScanResult& scan);
    // The install page's choice of a file, which a rename goes without.
    void ShowFileChoice(bool shown);
    // The name edit with its check, empty, below the install page's file controls.
    void ShowNameEntry();
    void InstallChosenFile();
    void RenameVersion();
    void UninstallSelectedVersion();
    void StartRename();
    // Ends the pick of a role's version, taking the picked one or not.
    void TakePickedVersion(bool taken);
    // The readings versions changed: with `rebuild`, a generated readings page is built
    // again (its save check has run before anything changed).
    void RebuildReadingsPage(bool rebuild);
    // Leaves a page of the version commands as its Cancel does.
    void LeaveVersionPages();

    TSelvarionMainForm& FMainForm;
    TSnapshot FSavedPreferences{};
    std::array<QString, 6> FSavedVersionNames;
    // Set while AskWithDontAskAgain builds its message.
    bool FAddDontAskBox = false;
    // The choice of the loading radio buttons when one of them was last pressed.
    bool FLoadPersonalizedBeforeClick = true;
    // Whether the page showed a personalized file before the loading choice first reloaded it
    // (unset until then): Cancel shows that page again.
    std::optional<bool> FPageBeforeChoice;
    bool FDontAskTicked = false;
};
