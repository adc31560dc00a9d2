#!/usr/bin/env python3
"""Writes the built-in Bible files (OldTstmt.dat, NewTstmt.dat, Apoc.dat) and two
tab-separated versions from the public-domain Bible modules of the system.

Usage: biblegen.py PROGRAM_DIR TSV_DIR

Old and New Testament come from the King James module, Psalm 151 and the
Apocrypha from the World English Bible module. Every file is UTF-8.
"""
import html
import os
import re
import subprocess
import sys

KJV_MODULE = "engKJV2006eb"
WEB_MODULE = "engWEB2015eb"

# Module book names of the 39 + 27 books, in the program's book order.
OLD_T = ["Genesis", "Exodus", "Leviticus", "Numbers", "Deuteronomy", "Joshua", "Judges",
         "Ruth", "I Samuel", "II Samuel", "I Kings", "II Kings", "I Chronicles",
         "II Chronicles", "Ezra", "Nehemiah", "Esther", "Job", "Psalms", "Proverbs",
         "Ecclesiastes", "Song of Solomon", "Isaiah", "Jeremiah", "Lamentations", "Ezekiel",
         "Daniel", "Hosea", "Joel", "Amos", "Obadiah", "Jonah", "Micah", "Nahum", "Habakkuk",
         "Zephaniah", "Haggai", "Zechariah", "Malachi"]
NEW_T = ["Matthew", "Mark", "Luke", "John", "Acts", "Romans", "I Corinthians",
         "II Corinthians", "Galatians", "Ephesians", "Philippians", "Colossians",
         "I Thessalonians", "II Thessalonians", "I Timothy", "II Timothy", "Titus", "Philemon",
         "Hebrews", "James", "I Peter", "II Peter", "I John", "II John", "III John", "Jude",
         "Revelation of John"]

# The built-in Apocrypha file: (verse-marker prefix, [(chapter in the file, module book,
# module chapter, first verse or None, last verse or None)]). Books the modules do not
# hold stay empty.
APOC_FILE = [
    ("1Esdr ", [(c, "I Esdras", c, None, None) for c in range(1, 10)]),
    ("2Esdr ", [(c, "II Esdras", c, None, None) for c in range(1, 17)]),
    ("AddEsth ", [(10, "Esther (Greek)", 10, 4, 13)]),
    ("1Mac ", [(c, "I Maccabees", c, None, None) for c in range(1, 17)]),
    ("2Mac ", [(c, "II Maccabees", c, None, None) for c in range(1, 16)]),
    ("Tob ", [(c, "Tobit", c, None, None) for c in range(1, 15)]),
    ("Jdt ", [(c, "Judith", c, None, None) for c in range(1, 17)]),
    ("Wis ", [(c, "Wisdom", c, None, None) for c in range(1, 20)]),
    ("Sir ", [(c, "Sirach", c, None, None) for c in range(0, 52)]),
    ("Bar ", [(c, "Baruch", c, None, None) for c in range(1, 6)]),
    ("EpJer ", [(6, "Baruch", 6, None, None)]),
    ("Sus ", []),
    ("PrAzar ", []),
    ("PrMan ", [(1, "Prayer of Manasses", 1, None, None)]),
    ("Bel ", []),
]

# The installed-format Apocrypha, book numbers 67 to 86: [(chapter, module book, module
# chapter, first verse, last verse)].
APOC_TSV = {
    67: [(c, "Baruch", c, None, None) for c in range(1, 7)],
    68: [(c, "Sirach", c, None, None) for c in range(0, 52)],
    69: [(c, "I Esdras", c, None, None) for c in range(1, 10)],
    70: [(c, "II Esdras", c, None, None) for c in range(1, 17)],
    71: [(c, "Judith", c, None, None) for c in range(1, 17)],
    73: [(c, "I Maccabees", c, None, None) for c in range(1, 17)],
    74: [(c, "II Maccabees", c, None, None) for c in range(1, 16)],
    75: [(c, "III Maccabees", c, None, None) for c in range(1, 8)],
    76: [(c, "IV Maccabees", c, None, None) for c in range(1, 19)],
    77: [(1, "Prayer of Manasses", 1, None, None)],
    78: [(1, "Additional Psalm", 1, None, None)],
    79: [(c, "Tobit", c, None, None) for c in range(1, 15)],
    80: [(c, "Wisdom", c, None, None) for c in range(1, 20)],
    86: [(10, "Esther (Greek)", 10, 4, 13)],
}

KEY_RE = re.compile(r"^\$\$\$(.+) (\d+):(\d+)$")
NOTE_GAP = "\x01"


def read_module(module):
    """Returns {(book, chapter, verse): raw text} of every entry the module prints."""
    try:
        out = subprocess.run(["mod2imp", module], check=True, capture_output=True).stdout
    except (OSError, subprocess.CalledProcessError) as error:
        sys.exit(f"biblegen: cannot read the module {module} with mod2imp "
                 f"(packages libsword-utils, sword-text-kjv, sword-text-web): {error}")
    entries = {}
    key = None
    parts = []
    for line in out.decode("utf-8").split("\n"):
        if line.startswith("$$$"):
            if key is not None:
                entries[key] = "\n".join(parts)
            m = KEY_RE.match(line)
            key = (m.group(1), int(m.group(2)), int(m.group(3))) if m else None
            parts = []
        elif key is not None:
            parts.append(line)
    if key is not None:
        entries[key] = "\n".join(parts)
    if not entries:
        sys.exit(f"biblegen: module {module} printed no entries")
    return entries


def clean(raw):
    """Plain verse text of one raw entry."""
    cut = raw.find("<chapter eID=")
    if cut >= 0:
        raw = raw[:cut]
    raw = re.sub(r"<note\b[^>]*/>", "", raw)
    raw = re.sub(r"<note\b.*?</note>", NOTE_GAP, raw, flags=re.S)
    for tag in ("title", "speaker"):
        raw = re.sub(rf"<{tag}\b[^>]*/>", "", raw)
        raw = re.sub(rf"<{tag}\b.*?</{tag}>", "", raw, flags=re.S)
    text = html.unescape(re.sub(r"<[^>]*>", "", raw)).replace("\u00b6", "")
    # A removed note may have been the only thing between two words.
    out = []
    for i, ch in enumerate(text):
        if ch != NOTE_GAP:
            out.append(ch)
            continue
        nxt = text[i + 1:].lstrip(NOTE_GAP)[:1]
        if out and not out[-1].isspace() and nxt and (nxt.isalnum() or nxt in "\"'“‘([{"):
            out.append(" ")
    return " ".join("".join(out).split())


def chapter_verses(entries, book, chapter, first=None, last=None):
    """Numbered verse texts of one chapter: gaps inside the chapter become empty
    verses, empty verses at its end are left out."""
    verses = {v: clean(t) for (b, c, v), t in entries.items()
              if b == book and c == chapter and v > 0
              and (first is None or v >= first) and (last is None or v <= last)}
    filled = [v for v, t in verses.items() if t]
    if not filled:
        return []
    start = first if first is not None else 1
    return [(v, verses.get(v, "")) for v in range(start, max(filled) + 1)]


def sirach_prologue(entries):
    raw = entries[("Sirach", 0, 0)]
    start = raw.find('type="x-introduction"')
    if start < 0:
        sys.exit("biblegen: the Sirach prologue was not found")
    return clean(raw[raw.find("</title>", start) + len("</title>"):])


def module_chapters(entries, book):
    return sorted({c for (b, c, v) in entries if b == book and c > 0})


def write_marker_file(path, books, marker, marker_re):
    """books: [[(chapter, [(verse, text)])]] in file order; marker(book, c, v) is a verse
    marker, marker_re(book) a pattern that finds any verse marker of that book."""
    out = []
    for i, chapters in enumerate(books):
        out.append(f"Book {i:02d}\n")
        chapters = [(c, vs) for c, vs in chapters if vs]
        for k in range(1, len(chapters)):
            if chapters[k][0] != chapters[k - 1][0] + 1:
                sys.exit(f"biblegen: {path}: book {i} has no chapter {chapters[k - 1][0] + 1}")
        for c, verses in chapters:
            for v, text in verses:
                if re.search(r"Book \d\d", text) or re.search(marker_re(i), text):
                    sys.exit(f"biblegen: {path}: a marker occurs in the text of {i} {c}:{v}")
                out.append(f"{marker(i, c, v)} {text}\n")
        if chapters:
            c, verses = chapters[-1]
            out.append(f"{marker(i, c, verses[-1][0] + 1)}\n")
    out.append(f"Book {len(books):02d}\n")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("".join(out))


def testament_books(entries, names):
    return [[(c, chapter_verses(entries, b, c)) for c in module_chapters(entries, b)]
            for b in names]


def apoc_chapters(entries, plan):
    chapters = []
    for c, book, mc, first, last in plan:
        if book == "Sirach" and mc == 0:
            chapters.append((0, [(1, sirach_prologue(entries))]))
        else:
            chapters.append((c, chapter_verses(entries, book, mc, first, last)))
    return chapters


def write_tsv(path, title, books):
    """books: [(book number, [(chapter, [(verse, text)])])]; empty verses are left out."""
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(f"#name\t{title}\n#columns\tbook code\tchapter\tverse\ttext\n")
        for n, chapters in books:
            letter = "O" if n <= 39 else "N" if n <= 66 else "A"
            for c, verses in chapters:
                for v, text in verses:
                    if text:
                        f.write(f"{n:02d}{letter}\t{c}\t{v}\t{text}\n")


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: biblegen.py PROGRAM_DIR TSV_DIR")
    program_dir, tsv_dir = sys.argv[1], sys.argv[2]
    os.makedirs(program_dir, exist_ok=True)
    os.makedirs(tsv_dir, exist_ok=True)
    kjv = read_module(KJV_MODULE)
    web = read_module(WEB_MODULE)

    old_t = testament_books(kjv, OLD_T)
    new_t = testament_books(kjv, NEW_T)
    old_t[18].append((151, chapter_verses(web, "Additional Psalm", 1)))
    three = lambda _i, c, v: f"{c:03d}:{v:03d}"
    three_re = lambda _i: r"\d\d\d:\d\d\d"
    write_marker_file(os.path.join(program_dir, "OldTstmt.dat"), old_t, three, three_re)
    write_marker_file(os.path.join(program_dir, "NewTstmt.dat"), new_t, three, three_re)

    apoc = [apoc_chapters(web, plan) for _, plan in APOC_FILE]
    write_marker_file(os.path.join(program_dir, "Apoc.dat"), apoc,
                      lambda i, c, v: f"{APOC_FILE[i][0]}{c}:{v}",
                      lambda i: re.escape(APOC_FILE[i][0]) + r"\d")

    kjv_books = list(enumerate(testament_books(kjv, OLD_T) + new_t, start=1))
    write_tsv(os.path.join(tsv_dir, "kjv_unbound.txt"), "King James Version", kjv_books)
    web_books = list(enumerate(testament_books(web, OLD_T + NEW_T), start=1))
    web_books += [(n, apoc_chapters(web, plan)) for n, plan in sorted(APOC_TSV.items())]
    write_tsv(os.path.join(tsv_dir, "web_unbound.txt"), "World English Bible", web_books)


if __name__ == "__main__":
    main()
