#pragma once
// The message with the dates of Western Easter and Pascha for the selected year and the
// next, from the calendar state of the selected day.
#include <QString>

class TCalendarEngine;

QString PaschaReportText(const TCalendarEngine& day, bool oldCalendar);
