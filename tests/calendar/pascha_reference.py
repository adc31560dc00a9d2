"""Writes the Orthodox Pascha, as a date of the civil (proleptic Gregorian) calendar, of
the years 1 to 9999, one ISO date a line, as an independent reference for the calendar
tests. python-dateutil converts its Julian Pascha to the civil calendar itself for the
years 1583 to 4099; for the other years its Julian date is converted here through the
Julian day number. After the date, on the same line, stands the year's Western Easter."""
import datetime
import sys

from dateutil.easter import EASTER_JULIAN, EASTER_ORTHODOX, EASTER_WESTERN, easter


def julian_to_civil(date):
    y, m, d = date.year, date.month, date.day
    day_number = 367 * y - (7 * (y + 5001 + int((m - 9) / 7))) // 4 + (275 * m) // 9 + d + 1729777
    return datetime.date.fromordinal(day_number - 1721425)


with open(sys.argv[1], "w", encoding="ascii") as out:
    for year in range(1, 10000):
        if 1583 <= year <= 4099:
            pascha = easter(year, EASTER_ORTHODOX)
        else:
            pascha = julian_to_civil(easter(year, EASTER_JULIAN))
        out.write(pascha.isoformat() + " " + easter(year, EASTER_WESTERN).isoformat() + "\n")
