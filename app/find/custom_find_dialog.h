#pragma once
// The Find dialog: modeless and on top, it serves the main window's two searches. With its
// option controls shown it finds text on the shown page; with them hidden it finds the next
// day whose saints' names hold the text.
#include <QDialog>

#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TSelvarionMainForm;

class TCustomFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit TCustomFindDialog(TSelvarionMainForm& mainForm);
    ~TCustomFindDialog() override;

    // Set while a saint search moves the date.
    bool FFindSaintBusy = false;
    uint16_t FindOptions() const { return FFindOptions; }
    // Page mode: the option controls are shown.
    bool PageMode() const;

    QLabel* FindWhatLabel;
    QLineEdit* FindEdit;
    QPushButton* FindButton;
    QPushButton* CancelButton;
    QPushButton* HelpButton;
    QCheckBox* WholeWord;
    QCheckBox* MatchCase;
    QGroupBox* DirectionRadioGroup;
    QRadioButton* DirectionUp;
    QRadioButton* DirectionDown;

    // Shows or hides the option controls: page mode, or saint mode, whose caption says what
    // it finds on the shown page and which has no room for the options.
    void ShowOptionControls(bool shown);
    // Runs the search of the dialog's mode (also Find Next while the dialog is hidden).
    void FindButtonClick();
    // The Find button follows the text; the Edit menu follows the edit.
    void FindEditChange();
    // The help topic of the dialog's mode and the shown page; Help shows it.
    QString HelpTopic() const;
    void HelpButtonClick();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void FormShow();
    void FormHide();
    void MirrorEditState();

    TSelvarionMainForm& FMainForm;
    uint16_t FFindOptions = 0;
};
