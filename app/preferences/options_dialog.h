#pragma once
// The Preferences dialog. Its check boxes and radio buttons are the program's live
// settings: other windows read their ticked state at the moment of use. The settings are
// loaded when the dialog is created and saved when it is destroyed.
#include <QDialog>
#include <QString>

#include <QMessageBox>

#include <array>

class QCheckBox;
class QFileDialog;
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

class TOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TOptionsDialog(TSelvarionMainForm& mainForm);
    ~TOptionsDialog() override;

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
    QPushButton* InstallButton;
    QPushButton* UninstallButton;
    QPushButton* EditButton;
    QPushButton* UninstallEditOKButton;
    QPushButton* UninstallEditCancelButton;
    std::array<QLabel*, 12> FileLabels;
    std::array<QRadioButton*, 12> FileRadioButtons;
    // The two pages without a tab.
    QWidget* ChangeVersionsPage;
    std::array<QRadioButton*, 6> VersionRadioButtons;
    std::array<QLabel*, 6> ActiveVersionLabels;   // ActiveOT3 .. ActiveApoc4
    QPushButton* ChangeVersionsOKButton;
    QPushButton* ChangeVersionsCancelButton;
    QWidget* InstallPage;
    QLineEdit* FileEdit;
    QPushButton* FileBrowseButton;
    QPushButton* ScanButton;
    QLineEdit* NameEdit;
    QPushButton* InstallOKButton;
    QPushButton* InstallCancelButton;
    // The folder browser opened by AppDataButton (kept for the life of the dialog).
    QFileDialog* AppDataBrowser = nullptr;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QPushButton* HelpButton;

    // Settings behind the "Show All Message Dialogs" box and the backup question.
    int FSaveBackups = 7;
    bool FDontAskSave = false;
    bool FDontAskProceed = false;
    // Initial folder of the Bible file browser.
    QString FBrowseDirectory;

    // The six version-name labels in role order (readings OT, NT, Apocrypha, then search).
    std::array<QLabel*, 6> VersionLabels() const;

    // Applies the changed settings to the main window (OK) or puts the controls back (Cancel).
    void OKButtonClick();
    void CancelButtonClick();
    // The main window's F11: flips ShowVerseNumbers and keeps the flip when Cancel is pressed.
    void ToggleShowVerseNumbers();
    // Either radio button: a shown personalized page follows the new choice at once.
    void LoadPersonalizedClick(QRadioButton* sender);
    // Shows the user's data folder in a file browser.
    void AppDataButtonClick();

    // A message box titled "Selvarion", centred on this dialog; returns the button pressed.
    QMessageBox::StandardButton ShowDialogMessage(const QString& msg, QMessageBox::Icon icon,
                                                  QMessageBox::StandardButtons buttons);
    // The same with a "Don't ask me this again" box, whose state is reported whichever
    // button closes the message.
    QMessageBox::StandardButton AskWithDontAskAgain(const QString& msg, QMessageBox::Icon icon,
                                                    QMessageBox::StandardButtons buttons,
                                                    bool& dontAskAgain);

protected:
    // Esc works as the Cancel button (closing from the title bar reverts nothing); F1 tells
    // the main window that help was asked for from the keyboard.
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    // Adds the "Don't ask me this again" box to the message being built.
    void childEvent(QChildEvent* e) override;

private:
    struct TSnapshot {
        bool showIcons, useLukanJump, showMainToolbar, showEditToolbar, showHints, showDialogs,
            loadPersonalized, showVerseNumbers;
        bool operator==(const TSnapshot&) const = default;
    };
    TSnapshot CurrentPreferences() const;
    void TakeSnapshot();
    // A disabled button of the Bible-version pages (their commands come later).
    static QPushButton* AddPageButton(QLayout* layout, const char* name, const QString& caption);
    void BuildBibleFilesPage();
    void BuildChangeVersionsPage();
    void BuildInstallPage();

    TSelvarionMainForm& FMainForm;
    TSnapshot FSavedPreferences{};
    std::array<QString, 6> FSavedVersionNames;
    // Set while AskWithDontAskAgain builds its message.
    bool FAddDontAskBox = false;
    // The choice of the loading radio buttons when one of them was last pressed.
    bool FLoadPersonalizedBeforeClick = true;
    bool FDontAskTicked = false;
};
