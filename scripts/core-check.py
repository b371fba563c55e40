#!/usr/bin/env python3
"""Checks that both words of every supplement row are in a dictionary.

Each lemma is looked up with `kunimor-cli analyze` in a dictionary imported
from the open data (the generators' words); a row passes when a reading has
the lemma itself as dictionary form and a kind that fits the row's part of
speech. Prints the rows that fail, one a line, with the side that failed;
exits 1 when there is any.

Usage: scripts/core-check.py --dict DATA_DIR [--move-to FILE] data/supplement/core-*.tsv
With --move-to, the failing rows (and repeated pairs) leave their file and
are appended to FILE, a list of pairs waiting for a paradigm.
"""

import os
import re
import subprocess
import sys

CLI = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "build", "bin", "kunimor-cli")
# Which word kinds a row's part of speech accepts (pron: any).
FITS = {
    "noun": {"noun"},
    "adj": {"adjective"},
    "adv": {"unchangeable"},
    "verb-perf": {"perfective verb"},
    "verb-imperf": {"imperfective verb"},
    "func": {"unchangeable"},
}


def lemmas(lang, words, data):
    """Maps each word to the set of (dictionary form, kind) of its readings."""
    result = {w: set() for w in words}
    for start in range(0, len(words), 500):
        out = subprocess.run([CLI, "analyze", lang, *words[start:start + 500], "--dict", data],
                             capture_output=True, text=True).stdout
        for line in out.splitlines():
            m = re.match(r"(\S+): word \d+ (.+?), (noun|adjective|perfective verb|imperfective verb|unchangeable)", line)
            if m and m.group(1) in result:
                result[m.group(1)].add((m.group(2), m.group(3)))
    return result


def main():
    args = sys.argv[1:]
    data = move_to = None
    while args[:1] in (["--dict"], ["--move-to"]):
        if args[0] == "--dict":
            data = args[1]
        else:
            move_to = args[1]
        args = args[2:]
    if not data:
        sys.exit("usage: core-check.py --dict DATA_DIR [--move-to FILE] FILE...")
    rows = []
    for path in args:
        with open(path, encoding="utf-8") as f:
            for no, line in enumerate(f, 1):
                fields = line.rstrip("\n").split("\t")
                if line.startswith("#") or len(fields) < 4:
                    continue
                # Unchangeable words a generator lacks are taken as written; the comment says so.
                if len(fields) > 4 and "taken as written" in fields[4]:
                    continue
                # A form in brackets only picks one of homonyms: the lemma is checked.
                ru, be = (re.sub(r" \(.*\)$", "", f) for f in fields[:2])
                rows.append((path, no, ru, be, fields[2]))
    known = {}
    for lang, column in (("ru", 2), ("be", 3)):
        words = sorted({r[column] for r in rows if " " not in r[column]})
        known[lang] = lemmas(lang, words, data)
    failed = 0
    bad = set()
    for path, no, ru, be, pos in rows:
        for lang, word in (("ru", ru), ("be", be)):
            if " " in word:
                continue  # several words: the importer takes them as written
            norm = word.replace("ё", "е")  # the Belarusian data drops ё in some lemmas
            readings = known[lang].get(word, set())
            if not any(lemma.replace("ё", "е") == norm and (pos == "pron" or kind in FITS[pos])
                       for lemma, kind in readings):
                print(f"{path}:{no}: {lang} {word} ({pos}) not in the dictionary: "
                      + ", ".join(sorted(f"{l} ({k})" for l, k in readings)))
                failed += 1
                bad.add((path, no))
    if move_to:
        move(args, bad, move_to)
    return 1 if failed else 0


def move(paths, bad, move_to):
    with open(move_to, "a", encoding="utf-8") as out:
        for path in paths:
            kept, seen = [], set()
            with open(path, encoding="utf-8") as f:
                for no, line in enumerate(f, 1):
                    key = tuple(f.replace("adv", "func") for f in line.split("\t")[:3])  # both unchangeable
                    if (path, no) in bad or (len(key) == 3 and key in seen):
                        if (path, no) in bad:
                            out.write(line if line.endswith("\n") else line + "\n")
                        continue
                    seen.add(key)
                    kept.append(line)
            with open(path, "w", encoding="utf-8") as f:
                f.writelines(kept)


if __name__ == "__main__":
    sys.exit(main())
