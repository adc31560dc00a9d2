#pragma once
// The Preferences dialog. Its check boxes and radio buttons are the program's live
// settings: other windows read their ticked state at the moment of use. The settings are
// loaded when the dialog is created and saved when it is destroyed.
#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QGroupBox;
class QKeyEvent;
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
    void LoadPersonalizedClick();

protected:
    // Esc works as the Cancel button (closing from the title bar reverts nothing).
    void keyPressEvent(QKeyEvent* e) override;

private:
    struct TSnapshot {
        bool showIcons, useLukanJump, showMainToolbar, showEditToolbar, showHints, showDialogs,
            loadPersonalized, showVerseNumbers;
        bool operator==(const TSnapshot&) const = default;
    };
    TSnapshot CurrentPreferences() const;
    void TakeSnapshot();

    TSelvarionMainForm& FMainForm;
    TSnapshot FSavedPreferences{};
    std::array<QString, 6> FSavedVersionNames;
};
