#include "pascha_report.h"

#include <QLocale>

#include "calendar_engine.h"

namespace {

QString Format(const QDate& date, const char* pattern)
{
    return QLocale().toString(date, QLatin1String(pattern));
}

// One paragraph: Western Easter of `year`, then, after two blanks, Pascha of that year.
QString Paragraph(int year, const QDate& westernEaster, const QDate& pascha, bool oldCalendar)
{
    const QString y = QString::number(year);
    QString text = QStringLiteral("The date of Easter for Catholic, Anglican and Protestant Christians for ") +
                   y + QStringLiteral(" is ") + Format(westernEaster, "MMMM d.  ") +
                   QStringLiteral("The civil calendar date of Pascha for ") + y + QStringLiteral(" is ");
    if (!oldCalendar)
        return text + Format(pascha, "MMMM d.");
    return text + Format(pascha, "MMMM d,") + QStringLiteral(" or Julian calendar date ") +
           Format(pascha.addDays(-13), "MMMM d.");
}

} // namespace

QString PaschaReportText(const TCalendarEngine& day, bool oldCalendar)
{
    // In old-calendar mode the year is the old-calendar year: the civil date 13 days back.
    const int year = (oldCalendar ? day.FCivilDate.addDays(-13) : day.FCivilDate).year();
    return Paragraph(year, day.FWesternEaster, day.FPascha, oldCalendar) +
           QStringLiteral("\n\n") +
           Paragraph(year + 1, day.FWesternEasterNext, day.FPaschaNext, oldCalendar);
}
