#!/usr/bin/env python3
"""Writes engine/readings/lectionary_data.cpp (the reading and piece tables).

Usage: lectgen.py [<folder with moveable.tsv and fixed.tsv> [<output .cpp>]]

The folder defaults to shared/data/lectionary beside the source tree (../shared/data/
lectionary from its top), the output to engine/readings/lectionary_data.cpp in it.

The input files are tab-separated with a header line; the columns used are the
key (cycle day or fixed key), the part code, the reference as shown, the 0-based
book index within its Bible part and the pieces ("c:v-c:v; c:v-c:v; ...").
Rows are written in input order (pieces too, but for PIECES_FIRST_IN_DAY): the
search bands depend on the row positions.
The corrections below are applied on the way and checked afterwards.
"""
import csv
import os
import sys
from collections import Counter

SOURCE_TREE = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DEFAULT_FOLDER = os.path.join(SOURCE_TREE, "..", "shared", "data", "lectionary")
DEFAULT_OUTPUT = os.path.join(SOURCE_TREE, "engine", "readings", "lectionary_data.cpp")

# Rows that replace the input row of the same code: (reference, book, pieces).
OVERRIDES = {
    # Mark 15:22-25, 33-41 in two pieces.
    "19,G1": ("Mark 15:22-25, 33-41", 1, "15:22-15:25; 15:33-15:41"),
    # A row reads from one book: the Matins epistle of Great Saturday keeps its
    # first book only (1 Corinthians); Galatians 3:13-14 cannot be read from it.
    "76,M2": ("1 Corinthians 5:6-8", 6, "5:6-5:8"),
    # The departed of Thomas week take the usual readings for the dead.
    "86,E2": ("1 Thessalonians 4:13-17", 12, "4:13-4:17"),
    "86,G2": ("John 5:24-30", 3, "5:24-5:30"),
    # Pieces kept as the lectionary lists them rather than merged.
    "01/01,V1": ("Genesis 17:1-2, 4-12, 14", 0, "17:1-17:2; 17:4-17:4; 17:5-17:12; 17:14-17:14"),
    "02/02,V3": ("Isaiah 19:1, 3-5, 12, 16, 19-21", 22,
                 "19:1-19:1; 19:3-19:3; 19:4-19:5; 19:12-19:12; 19:16-19:16; 19:19-19:21"),
}

# Readings whose pieces are written ahead of their day's other pieces. The band
# that starts at piece row 301 must begin with "86,E1,1"; the pieces of the days
# before it come to two rows fewer, so the commemoration of day 86 goes first.
PIECES_FIRST_IN_DAY = ["86,E2", "86,G2"]

FIXED_KEYS = [
    "01/01", "SatBefTheo", "SunBefTheo", "TheoRH", "01/05", "01/06", "SatAftTheo",
    "SunAftTheo", "01/30", "02/02", "03/25", "06/24", "06/29", "08/06", "08/15", "08/29",
    "09/08", "SatBefExal", "SunBefExal", "09/14", "SatAftExal", "SunAftExal", "10/01",
    "SunHolyFathers", "11/21", "12/06", "SecSunBefNativ", "SatBefNativ", "SunBefNativ",
    "NativRH", "12/24", "12/25", "SatAftNativ", "SunAftNativ",
]


def read_rows(path, key_column):
    with open(path, newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f, delimiter="\t"):
            code = row[key_column] + "," + row["part"]
            ref, book, pieces = OVERRIDES.get(
                code, (row["reference"], int(row["book_index"] or -1), row["pieces"]))
            spans = []
            for piece in filter(None, (p.strip() for p in pieces.split(";"))):
                start, end = piece.split("-")
                spans.append(tuple(start.split(":")) + tuple(end.split(":")))
            yield code, ref, book, spans


def cpp_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def check(readings, moveable_count):
    codes = [r[0] for r in readings]
    if len(set(codes)) != len(codes):
        sys.exit("duplicate reading codes")
    days = [int(c.split(",")[0]) for c in codes[:moveable_count]]
    if days != sorted(days) or days[0] != 0 or days[-1] != 349:
        sys.exit("moveable rows are not days 0 to 349 in order")
    fixed_order = []
    for c in codes[moveable_count:]:
        key = c.split(",")[0]
        if not fixed_order or fixed_order[-1] != key:
            fixed_order.append(key)
    if fixed_order != FIXED_KEYS:
        sys.exit("fixed keys are not in table order")
    for code, _, book, spans in readings:
        if not spans or book < 0:
            sys.exit("reading without pieces or book: " + code)
    if codes.index("95,E1") != 300 or codes.index("234,E1") != 600:
        sys.exit("search band rows moved")
    parts = Counter(c.split(",")[1] for c in codes)
    if parts["G1"] != 350 or parts["E1"] != 347 or parts["V1"] != 62 or parts["E2"] != 14:
        sys.exit("part counts differ: %r" % parts)


def order_pieces(readings):
    """Pieces in reading order, but PIECES_FIRST_IN_DAY ahead of their day's others."""
    pieces = [(code, i, span, i < len(spans))
              for code, _, _, spans in readings
              for i, span in enumerate(spans, 1)]
    moved = [p for p in pieces if p[0] in PIECES_FIRST_IN_DAY]
    pieces = [p for p in pieces if p[0] not in PIECES_FIRST_IN_DAY]
    day = PIECES_FIRST_IN_DAY[0].split(",")[0]
    at = next(i for i, p in enumerate(pieces) if p[0].split(",")[0] == day)
    pieces[at:at] = moved
    codes = ["%s,%d" % (code, number) for code, number, _, _ in pieces]
    if codes.index("86,E1,1") != 300 or codes.index("212,E1,1") != 600:
        sys.exit("piece band rows moved")
    return pieces


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_FOLDER
    out = sys.argv[2] if len(sys.argv) > 2 else DEFAULT_OUTPUT
    if not os.path.isdir(folder):
        sys.exit("no lectionary data in " + folder)
    moveable = list(read_rows(folder + "/moveable.tsv", "cycle_day"))
    fixed = list(read_rows(folder + "/fixed.tsv", "fixed_key"))
    readings = moveable + fixed
    check(readings, len(moveable))

    lines = [
        "// Generated by tools/lectgen/lectgen.py; edit the generator, not this file.",
        '#include "lectionary.h"',
        "",
        "const std::array<TReadingRecord, %d> ReadingTable = {{" % len(readings),
    ]
    for code, ref, book, _ in readings:
        lines.append("    {%s, %s, %d, \"\"}," % (cpp_string(code), cpp_string(ref), book))
    lines.append("}};")
    lines.append("")
    pieces = order_pieces(readings)
    lines.append("const std::array<TVerseRecord, %d> VerseTable = {{" % len(pieces))
    for code, number, (sc, sv, ec, ev), has_next in pieces:
        nxt = str(number + 1) if has_next else ""
        lines.append("    {%s, \"%s\", \"%s\", \"%s\", \"%s\", \"%s\"}," %
                     (cpp_string("%s,%d" % (code, number)), sc, sv, ec, ev, nxt))
    lines.append("}};")
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    print("%d readings, %d pieces" % (len(readings), len(pieces)))


if __name__ == "__main__":
    main()
