#!/usr/bin/env python3
"""Checks that both words of every supplement row are known to the open data.

Each lemma is analysed with the apertium-bel-rus analyser of its language
(lt-proc); a row passes when the analysis gives the lemma itself with a part
of speech that fits the row's. Prints the rows that fail, one a line, with the
side that failed; exits 1 when there is any.

Usage: scripts/core-check.py [--move-to FILE] data/supplement/core-*.tsv
With --move-to, the failing rows (and repeated pairs) leave their file and
are appended to FILE, a list of pairs waiting for a paradigm.
"""

import re
import subprocess
import sys

ANALYSERS = {
    "ru": "/usr/share/apertium/apertium-bel-rus/rus-bel.automorf.bin",
    "be": "/usr/share/apertium/apertium-bel-rus/bel-rus.automorf.bin",
}
# Which analyser tags a row's part of speech accepts.
FITS = {
    "noun": {"n", "np"},
    "adj": {"adj"},
    "adv": {"adv", "pred", "part", "cnjadv", "pr"},
    "verb-perf": {"vblex", "vbmod", "vbser"},
    "verb-imperf": {"vblex", "vbmod", "vbser"},
    "func": {"pr", "cnjcoo", "cnjsub", "cnjadv", "part", "ij", "pred", "adv", "abbr"},
    "pron": {"prn", "det", "num"},
}


def lemmas(lang, words):
    """Maps each word to the set of (lemma, first tag) its analyses give."""
    text = "\n".join(words) + "\n"
    out = subprocess.run(["lt-proc", ANALYSERS[lang]], input=text, capture_output=True, text=True, check=True).stdout
    result = {}
    for unit in re.findall(r"\^([^$]*)\$", out):
        form, *readings = unit.split("/")
        found = set()
        for r in readings:
            m = re.match(r"([^<*]+)<([^>]+)>", r)
            if m:
                found.add((re.sub("[¹²³]", "", m.group(1)).lower().replace("ё", "е"), m.group(2)))
        result[form] = found
    return result


def main():
    args = sys.argv[1:]
    move_to = None
    if args[:1] == ["--move-to"]:
        move_to, args = args[1], args[2:]
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
                rows.append((path, no, fields[0], fields[1], fields[2]))
    known = {}
    for lang, column in (("ru", 2), ("be", 3)):
        words = sorted({r[column] for r in rows if " " not in r[column]})
        known[lang] = lemmas(lang, words)
    failed = 0
    bad = set()
    for path, no, ru, be, pos in rows:
        for lang, word in (("ru", ru), ("be", be)):
            if " " in word:
                continue  # several words: the importer takes them as written
            norm = word.lower().replace("ё", "е")  # the Belarusian data drops ё in some lemmas
            readings = known[lang].get(word, set())
            if not any(lemma.replace("ё", "е") == norm and tag in FITS[pos] for lemma, tag in readings):
                print(f"{path}:{no}: {lang} {word} ({pos}) not a lemma of the analyser: "
                      + ", ".join(sorted(f"{l}<{t}>" for l, t in readings)))
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
