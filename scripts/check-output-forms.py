#!/usr/bin/env python3
"""Lists the words of a translation that the target language's spelling
dictionary (Debian's hunspell-be / hunspell-ru) does not know: forms the
synthesis made up or that the dictionary holds wrongly (умываеццца, летаў).
Words left untranslated and words copied from the source are not counted.

usage: check-output-forms.py --tsv DEV.tsv --direction ru-be|be-ru
           [--cli build/bin/kunimor-cli] [--dict DIR] [--top N]
Exits 0 when no made-up form is found, 1 when some are, 77 (skipped) when
the dev set, the dictionary or the spelling dictionary is missing."""
import argparse, collections, csv, os, re, subprocess, sys, tempfile

HUNSPELL = {"ru-be": "/usr/share/hunspell/be_BY", "be-ru": "/usr/share/hunspell/ru_RU"}
WORD = re.compile(r"[А-Яа-яЁёІіЎў'’]+(?:-[А-Яа-яЁёІіЎў'’]+)*")


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--tsv", required=True)
    p.add_argument("--direction", choices=["ru-be", "be-ru"], required=True)
    p.add_argument("--cli", default="build/bin/kunimor-cli")
    p.add_argument("--dict", default="/work/data-base")
    p.add_argument("--top", type=int, default=40)
    a = p.parse_args()
    speller = HUNSPELL[a.direction]
    for need in (a.tsv, a.dict, speller + ".dic", a.cli):
        if not os.path.exists(need):
            print(f"skipped: {need} is missing")
            return 77
    src_col = 1 if a.direction == "ru-be" else 2
    with open(a.tsv, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f, delimiter="\t", quoting=csv.QUOTE_NONE))[1:]
    source = "\n".join(r[src_col].replace("\n", " ") for r in rows) + "\n"
    with tempfile.TemporaryDirectory() as tmp:
        unknown_file = os.path.join(tmp, "unknown.txt")
        out = subprocess.run([a.cli, "translate", a.direction, "--dict", a.dict, "--unknown-words", unknown_file],
                             input=source, capture_output=True, text=True, check=True).stdout
        with open(unknown_file, encoding="utf-8") as f:
            untranslated = {line.split("\t")[0].lower() for line in f if line.strip()}
    source_words = {w.lower() for w in WORD.findall(source)}
    counts = collections.Counter(w.lower() for w in WORD.findall(out))
    candidates = sorted(w for w in counts if w not in untranslated and w not in source_words)
    misspelt = subprocess.run(["hunspell", "-d", speller, "-l"], input="\n".join(candidates) + "\n",
                              capture_output=True, text=True, check=True).stdout
    made_up = sorted(set(misspelt.split()))
    total = sum(counts[w] for w in made_up)
    print(f"{a.direction}: {len(made_up)} made-up forms, {total} times in {sum(counts.values())} words")
    for w in sorted(made_up, key=lambda w: -counts[w])[: a.top]:
        print(f"{counts[w]}\t{w}")
    return 1 if made_up else 0


if __name__ == "__main__":
    sys.exit(main())
