#pragma once
// The first-run question: old or new calendar. Continue switches the program to the choice.
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
    // Continue is the only way out: Escape does nothing.
    void reject() override {}

private:
    TSelvarionMainForm& FMainForm;
};
