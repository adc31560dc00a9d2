#include "calendar_select_query.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include "date_box.h"
#include "screen_classes.h"
#include "selvarion_main_form.h"
#include "settings_store.h"

TCalendarSelectQuery::TCalendarSelectQuery(TSelvarionMainForm& mainForm)
    : QDialog(&mainForm, Qt::Dialog | Qt::FramelessWindowHint), FMainForm(mainForm)
{
    setObjectName(QStringLiteral("CalendarSelectQuery"));
    setWindowTitle(QStringLiteral("Select Calendar Preference"));
    setFont(PixelFont("Arial", 12));
    // Without a frame from the window manager the window has no title-bar buttons, which some
    // window managers show whatever a window asks: it draws its own border and caption, and
    // the caption moves the window.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* border = new QFrame(this);
    border->setFrameStyle(QFrame::Box | QFrame::Plain);
    outer->addWidget(border);
    auto* frame = new QVBoxLayout(border);
    frame->setContentsMargins(1, 1, 1, 1);
    frame->setSpacing(0);
    Caption = new QLabel(windowTitle(), border);
    Caption->setObjectName(QStringLiteral("Caption"));
    Caption->setFont(PixelFont("Arial", 12, true));
    Caption->setContentsMargins(6, 3, 6, 3);
    Caption->setAutoFillBackground(true);
    QPalette captionColours = Caption->palette();
    captionColours.setColor(QPalette::Window, captionColours.color(QPalette::Highlight));
    captionColours.setColor(QPalette::WindowText, captionColours.color(QPalette::HighlightedText));
    Caption->setPalette(captionColours);
    Caption->installEventFilter(this);
    frame->addWidget(Caption);
    auto* column = new QVBoxLayout;
    column->setContentsMargins(30, 12, 30, 12);
    column->setSpacing(9);
    frame->addLayout(column, 1);
    const auto addLabel = [this, column](const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setWordWrap(true);
        column->addWidget(label);
        return label;
    };
    QuestionLabel1 = addLabel("QuestionLabel1", QStringLiteral("What calendar do you want Selvarion to use?"));
    QuestionLabel1->setFont(PixelFont("Arial", 15, true));
    QuestionLabel1->setAlignment(Qt::AlignHCenter);
    QuestionLabel2 = addLabel("QuestionLabel2",
                              QStringLiteral("Select Old Calendar or New Calendar depending on  the practice of "
                                             "your church, or your personal preference. "));
    QuestionLabel3 = addLabel("QuestionLabel3",
                              QStringLiteral("The Revised Julian (New) Calendar is the same as the civil calendar "
                                             "(Gregorian Calendar) we use every day. The original Julian (Old) "
                                             "Calendar reckons today's date as 13 days earlier than the civil "
                                             "calendar."));
    DateLabel1 = addLabel("DateLabel1", QStringLiteral("Today's Old Calendar date is:"));
    // The old date is held with its year plus 16: the year shown is that of the civil date
    // 13 days back.
    const TDateBox& day = *mainForm.DateBox;
    DateLabel2 = addLabel("DateLabel2",
                          QLocale().toString(day.FOldDateShifted, QStringLiteral("MMMM d, ")) +
                              QString::number(day.FCivilDate.addDays(-13).year()));
    QuestionLabel4 = addLabel("QuestionLabel4",
                              QStringLiteral("This selection can be changed at any time from the Options menu."));
    // The texts read as one block; the room the window has left lies between them and the
    // choice.
    column->addStretch(1);
    CSOldCalendar = new QRadioButton(QStringLiteral("Julian Calendar (OldCalendar)"), this);
    CSOldCalendar->setObjectName(QStringLiteral("CSOldCalendar"));
    CSOldCalendar->setChecked(true);
    CSNewCalendar = new QRadioButton(QStringLiteral("Revised Julian Calendar (NewCalendar)"), this);
    CSNewCalendar->setObjectName(QStringLiteral("CSNewCalendar"));
    column->addWidget(CSOldCalendar);
    column->addWidget(CSNewCalendar);
    ContinueButton = new QPushButton(QStringLiteral("Continue"), this);
    ContinueButton->setObjectName(QStringLiteral("ContinueButton"));
    ContinueButton->setFont(PixelFont("Arial", 15, true));
    ContinueButton->setDefault(true);
    column->addWidget(ContinueButton, 0, Qt::AlignHCenter);
    connect(ContinueButton, &QPushButton::clicked, this, &TCalendarSelectQuery::ContinueButtonClick);

    // The client area of 302 by 410 pixels inside the border, below the caption.
    setFixedSize(302 + 2, 410 + 2 + Caption->sizeHint().height());
    CentreOnScreen(*this);
}

bool TCalendarSelectQuery::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == Caption && e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton && windowHandle()) {
        windowHandle()->startSystemMove();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

void TCalendarSelectQuery::ContinueButtonClick()
{
    const bool newCalendar = CSNewCalendar->isChecked();
    FMainForm.MOldCalendar->setChecked(!newCalendar);
    FMainForm.MNewCalendar->setChecked(newCalendar);
    FMainForm.DateBox->ShowCalendarMode();
    FMainForm.setWindowTitle(newCalendar ? QStringLiteral("Selvarion - New Calendar")
                                         : QStringLiteral("Selvarion - Old Calendar"));
    FMainForm.ShowHintInStatusBar();
    // The choice is kept at once: the record that stops this question is written next.
    SaveViewOptions(FMainForm, QStringLiteral("Options"), SettingsKey);
    accept();
}
