#pragma once
// The first-run question: old or new calendar. Continue switches the program to the choice
// and is the only way out: the window has no title-bar buttons.
#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;
class TSelvarionMainForm;

class TCalendarSelectQuery : public QDialog {
    Q_OBJECT
public:
    // Shows today's old date from the Select Date window's calendar state.
    explicit TCalendarSelectQuery(TSelvarionMainForm& mainForm);

    // The window's own caption strip.
    QLabel* Caption;
    QLabel* QuestionLabel1;
    QLabel* QuestionLabel2;
    QLabel* QuestionLabel3;
    QLabel* DateLabel1;
    QLabel* DateLabel2;
    QLabel* QuestionLabel4;
    QRadioButton* CSOldCalendar;
    QRadioButton* CSNewCalendar;
    QPushButton* ContinueButton;

    // Sets the calendar items, moves the month grid to the chosen calendar's date (which
    // reloads the day) and puts the calendar into the window titles; then closes.
    void ContinueButtonClick();

public slots:
    // Escape, Alt+F4 and the like do nothing.
    void reject() override {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    TSelvarionMainForm& FMainForm;
};
