// The main window's Help menu commands that show program information.
#include "about_box.h"
#include "date_box.h"
#include "donation_query.h"
#include "pascha_report.h"
#include "selvarion_main_form.h"
#include "window_order.h"

void TSelvarionMainForm::MFindEasterDateClick()
{
    ShowMessageCentered(PaschaReportText(*DateBox, MOldCalendar->isChecked()), QMessageBox::NoIcon,
                        QMessageBox::Ok);
}

void TSelvarionMainForm::MDonateClick()
{
    TDonationQuery query(this);
    KeepAboveStayOnTopWindows(query);
    query.exec();
}

void TSelvarionMainForm::MAboutSelvarionClick()
{
    TAboutBox box(this);
    KeepAboveStayOnTopWindows(box);
    box.exec();
}
