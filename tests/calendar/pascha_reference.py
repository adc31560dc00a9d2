"""Writes the Orthodox Pascha (as a civil Gregorian date) of 1900..2099, one ISO date a line,
computed by python-dateutil, as an independent reference for the calendar tests."""
import sys

from dateutil.easter import EASTER_ORTHODOX, easter

with open(sys.argv[1], "w", encoding="ascii") as out:
    for year in range(1900, 2100):
        out.write(easter(year, EASTER_ORTHODOX).isoformat() + "\n")
