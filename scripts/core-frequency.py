#!/usr/bin/env python3
"""Lemma frequencies of Russian or Belarusian text shipped on this machine.

Counts the words of the message catalogues Debian packages ship
(/usr/share/locale/LANG/LC_MESSAGES/*.mo) and, when given, one side of a
tab-separated parallel file with a header row (the evaluation set), and adds
each form's count to every lemma the open data's analyser gives it (lt-proc
from lttoolbox with apertium-bel-rus). The list is the starting point of the
curated core vocabulary in data/supplement/core-*.tsv; the translations there
are written by hand.

Usage: scripts/core-frequency.py ru|be [--tsv FILE] [--top N] > list.tsv
Output: rank, lemma, part of speech (the analyser's first tag), count.
"""

import argparse
import collections
import gettext
import glob
import re
import subprocess
import sys

ANALYSERS = {
    "ru": "/usr/share/apertium/apertium-bel-rus/rus-bel.automorf.bin",
    "be": "/usr/share/apertium/apertium-bel-rus/bel-rus.automorf.bin",
}
WORD = re.compile(r"[а-яёіўА-ЯЁІЎ]+(?:['’ʼ][а-яёіўА-ЯЁІЎ]+)*")
# Printf directives and markup are not words of the language.
NOISE = re.compile(r"%[-+ #0-9.]*[a-zA-Z]|<[^>]*>|&[a-z]+;")


def catalogue_texts(lang):
    for path in sorted(glob.glob(f"/usr/share/locale/{lang}/LC_MESSAGES/*.mo")):
        try:
            with open(path, "rb") as f:
                catalogue = gettext.GNUTranslations(f)._catalog
        except (OSError, UnicodeDecodeError):
            continue
        for key, text in catalogue.items():
            if key != "":  # the catalogue header
                yield text


def tsv_texts(path, lang):
    with open(path, encoding="utf-8") as f:
        header = f.readline().rstrip("\n").split("\t")
        column = header.index(lang)
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) > column:
                yield fields[column]


def analyse(lang, forms):
    """Maps each form to its set of (lemma, part of speech)."""
    text = "\n".join(forms) + "\n"
    out = subprocess.run(["lt-proc", ANALYSERS[lang]], input=text, capture_output=True, text=True, check=True).stdout
    units = re.findall(r"\^([^$]*)\$", out)
    result = {}
    for unit in units:
        parts = unit.split("/")
        form, readings = parts[0], parts[1:]
        lemmas = set()
        for r in readings:
            if r.startswith("*"):
                continue
            m = re.match(r"([^<]+)<([^>]+)>", r)
            if m:
                lemmas.add((m.group(1).lower().replace("’", "'"), m.group(2)))
        result[form] = lemmas
    return result


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("lang", choices=["ru", "be"])
    parser.add_argument("--tsv", help="parallel TSV with a header naming the ru and be columns")
    parser.add_argument("--top", type=int, default=4000)
    args = parser.parse_args()

    forms = collections.Counter()
    texts = list(catalogue_texts(args.lang))
    if args.tsv:
        texts += list(tsv_texts(args.tsv, args.lang))
    for text in texts:
        for word in WORD.findall(NOISE.sub(" ", text)):
            forms[word.lower().replace("’", "'").replace("ʼ", "'")] += 1

    analyses = analyse(args.lang, list(forms))
    lemmas = collections.Counter()
    unknown = 0
    for form, count in forms.items():
        readings = analyses.get(form, set())
        if not readings:
            unknown += count
        for reading in readings:
            lemmas[reading] += count

    for rank, ((lemma, pos), count) in enumerate(lemmas.most_common(args.top), 1):
        print(f"{rank}\t{lemma}\t{pos}\t{count}")
    print(f"{len(texts)} texts, {sum(forms.values())} words, {unknown} not analysed", file=sys.stderr)


if __name__ == "__main__":
    main()
