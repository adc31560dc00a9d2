#!/usr/bin/env python3
"""Figures on the lives of the saints and the troparia and kontakia.

Reads the twelve month files of both text libraries and the table of feast ranks, and prints:
how many lives there are, their median length in words, how many are short or long, and for the
great commemorations (rank 3 or above, and the principal commemoration of every day of rank 4 or
above) whether each has a life of 150 to 400 words and a troparion and kontakion of its own.

    python3 tools/contentgen/content_figures.py [--levels FEAST_LEVELS_TSV] [--matches]

The ranks table defaults to ../shared/data/saints/feast_levels.tsv beside the repository (for a
git worktree, beside the main checkout as well).
"""

import argparse
import re
import statistics
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
LIVES = ROOT / "content" / "selvlife" / "lives"
HYMNS = ROOT / "content" / "selvhymn" / "hymns"
DEFAULT_LEVELS = Path("..") / "shared" / "data" / "saints" / "feast_levels.tsv"

LIFE_MIN, LIFE_MAX = 150, 400

# Abbreviations and spellings of the ranks table, written out as the month files have them.
WORD_FORMS = {
    "st": "saint", "sts": "saint", "ss": "saint", "saints": "saint",
    "ven": "venerable", "venerables": "venerable", "metr": "metropolitan",
    "transl": "translation", "trans": "translation", "rel": "relics",
    "bl": "blessed", "blv": "blessed", "rt": "right", "unc": "uncovering",
    "n": "north", "gr": "great", "greatmartyr": "great martyr", "hieromartyrs": "hieromartyr",
    "martyrs": "martyr", "apostles": "apostle", "1st": "first", "2nd": "second", "3": "three",
}
# Words that tell nothing about which commemoration is meant.
FILLER = {"the", "a", "an", "of", "and", "in", "to", "our", "holy", "saint", "most"}


def words(text):
    """The words of a title, lower case, abbreviations written out."""
    out = []
    for word in re.findall(r"[\w']+", text.lower()):
        out.extend(WORD_FORMS.get(word, word).split())
    return out


def key_words(text):
    return [w for w in words(text) if w not in FILLER]


def read_month(path, hymns):
    """{(month, day): [entry, ...]} of one month file. The civil-date documents ("@ MM/DD new")
    are skipped: each of their commemorations also stands on a calendar day, where it is counted."""
    days = {}
    entries = None
    for raw in path.read_text(encoding="utf-8-sig").splitlines():
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("@"):
            match = re.fullmatch(r"@ (\d\d)/(\d\d)( new)?", line)
            if not match:
                sys.exit(f"{path}: bad day line {line!r}")
            entries = [] if match.group(3) else days.setdefault(match.group(1, 2), [])
        elif line.startswith("*"):
            entries.append({"title": line[1:].strip(), "words": 0,
                            "troparion": False, "kontakion": False})
        elif hymns:
            if line.startswith("Troparion"):
                entries[-1]["troparion"] = True
            elif line.startswith("Kontakion"):
                entries[-1]["kontakion"] = True
        else:
            entries[-1]["words"] += len(line.split())
    return days


def read_library(folder, hymns):
    days = {}
    for month in range(1, 13):
        path = folder / f"{month:02d}.txt"
        if path.exists():
            days.update(read_month(path, hymns))
        else:
            print(f"warning: {path} is missing", file=sys.stderr)
    return days


def find_levels(given):
    if given:
        return Path(given)
    candidates = [ROOT / DEFAULT_LEVELS]
    git = ROOT / ".git"
    if git.is_file():  # a worktree: "gitdir: <main>/.git/worktrees/<name>"
        gitdir = Path(git.read_text().split(":", 1)[1].strip())
        candidates.append(gitdir.parents[2] / DEFAULT_LEVELS)
    for candidate in candidates:
        if candidate.exists():
            return candidate
    sys.exit("the ranks table was not found at " + " or ".join(str(c) for c in candidates)
             + "; give it with --levels")


def read_levels(path):
    rows = []
    with open(path, encoding="utf-8") as table:
        header = table.readline().rstrip("\n").split("\t")
        for line in table:
            fields = dict(zip(header, line.rstrip("\n").split("\t")))
            fields["level"] = int(fields["level"])
            rows.append(fields)
    return rows


def match_title(title, entries):
    """Index of the entry on the day that `title` names, and whether the match was exact."""
    wanted = key_words(title)
    for index, entry in enumerate(entries):
        if key_words(entry["title"]) == wanted:
            return index, True
    best, best_score = None, 0.0
    for index, entry in enumerate(entries):
        have = key_words(entry["title"])
        common = len(set(wanted) & set(have))
        score = common / len(set(wanted) | set(have)) if common else 0.0
        if score > best_score:
            best, best_score = index, score
    return best, False


def great_commemorations(levels, lives, show_matches):
    """The (month, day, index) of every great commemoration, in calendar order, and the rows
    of the ranks table that name no commemoration of their day."""
    wanted = set()
    unmatched = []
    for row in levels:
        day = (row["month"], row["day"])
        entries = lives.get(day, [])
        if row["level"] < (3 if row["kind"] == "commemoration" else 4):
            continue
        if not entries:
            unmatched.append(row)
            continue
        if not row["title"]:  # the day's principal commemoration, the first of the day
            wanted.add((day, 0))
            continue
        index, exact = match_title(row["title"], entries)
        if index is None:
            unmatched.append(row)
            continue
        if show_matches and not exact:
            print(f"  matched {day[0]}/{day[1]} {row['title']!r} -> {entries[index]['title']!r}")
        wanted.add((day, index))
    return sorted(wanted), unmatched


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--levels", help="the feast ranks table (feast_levels.tsv)")
    parser.add_argument("--matches", action="store_true",
                        help="also show the ranks table's titles matched by their words only")
    args = parser.parse_args()

    lives = read_library(LIVES, hymns=False)
    hymns = read_library(HYMNS, hymns=True)
    levels = read_levels(find_levels(args.levels))

    counts = [entry["words"] for entries in lives.values() for entry in entries]
    print(f"lives: {len(counts)}")
    print(f"median words: {statistics.median(counts) if counts else 0:g}")
    print(f"under 30 words: {sum(c < 30 for c in counts)}")
    print(f"under 50 words: {sum(c < 50 for c in counts)}")
    print(f"over 100 words: {sum(c > 100 for c in counts)}")

    print("\nper month: lives, median words, under 50 words")
    for month in range(1, 13):
        key = f"{month:02d}"
        month_counts = [e["words"] for (m, _), entries in lives.items() if m == key for e in entries]
        if month_counts:
            print(f"  {key}: {len(month_counts):4d} {statistics.median(month_counts):6g}"
                  f" {sum(c < 50 for c in month_counts):5d}")

    great, unmatched = great_commemorations(levels, lives, args.matches)
    short = []
    for day, index in great:
        life = lives[day][index]
        hymn = next((h for h in hymns.get(day, []) if h["title"] == life["title"]), None)
        faults = []
        if not LIFE_MIN <= life["words"] <= LIFE_MAX:
            faults.append(f"life of {life['words']} words")
        if not hymn or not hymn["troparion"]:
            faults.append("no troparion of its own")
        if not hymn or not hymn["kontakion"]:
            faults.append("no kontakion of its own")
        if faults:
            short.append(f"  {day[0]}/{day[1]} {life['title']}: {', '.join(faults)}")
    print(f"\ngreat commemorations (rank 3 or above, principal of days of rank 4 or above): {len(great)}")
    print(f"with a life of {LIFE_MIN}-{LIFE_MAX} words and their own troparion and kontakion: "
          f"{len(great) - len(short)}")
    for month in range(1, 13):
        key = f"{month:02d}"
        month_great = [g for g in great if g[0][0] == key]
        month_short = [s for s in short if s.startswith(f"  {key}/")]
        if month_great:
            print(f"  {key}: {len(month_great) - len(month_short)} of {len(month_great)}")
    if short:
        print("not yet so:")
        print("\n".join(short))
    if unmatched:
        print("rows of the ranks table that name no commemoration of their day:")
        for row in unmatched:
            print(f"  {row['month']}/{row['day']} {row['title'] or '(principal)'} ({row['kind']}, rank {row['level']})")


if __name__ == "__main__":
    main()
