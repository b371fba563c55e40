#!/usr/bin/env bash
# Measures the Belarusian spelling check of kunimor-cli against hunspell
# (Debian's hunspell-be), both through the ispell pipe, on the Belarusian
# side of a parallel TSV (proofread text):
#   - the share of the text's words each flags (false alarms, unless the
#     text really is misspelt); a sample of ours is written for reading;
#   - the share each catches of misspellings made from words both accept,
#     by the changes a Russian habit makes (і->и, ў->у, шч->щ, '->ъ, э->е,
#     ы->и, Russian endings, unstressed а->о) and by random typos; a change
#     that gives a word of the text itself is not taken;
#   - words per second: ours as CheckText counts them (--stats), hunspell's
#     over the same lines with its start-up taken off.
# Single words are judged by hunspell -l, which gives the pipe's verdicts
# without the suggestions that make its pipe slow; the text goes through
# the pipe, as an editor would send it.
# Usage: spell-compare.sh [TSV [CLI [DATA_DIR]]]
#   TSV       default ../shared/eval/dev.ru-be.tsv (its column "be" is read)
#   CLI       default build/bin/kunimor-cli; DATA_DIR default its data/
# Writes its files to $SPELL_COMPARE_OUT (default /tmp/spell-compare).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tsv=${1:-$root/../shared/eval/dev.ru-be.tsv}
cli=${2:-$root/build/bin/kunimor-cli}
data=${3:-$(dirname "$cli")/data}
out=${SPELL_COMPARE_OUT:-/tmp/spell-compare}
mkdir -p "$out"
command -v hunspell >/dev/null || { echo "spell-compare: hunspell is missing (scripts/install-deps.sh)" >&2; exit 2; }
[ -x "$cli" ] || { echo "spell-compare: no $cli (scripts/build.sh release)" >&2; exit 2; }

ours=("$cli" spell be --pipe --dict "$data")
peer=(hunspell -a -d be_BY)

python3 - "$tsv" "$out" <<'EOF'
import csv, random, re, sys
tsv, out = sys.argv[1], sys.argv[2]
with open(tsv, encoding="utf-8", newline="") as f:
    rows = list(csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE))
lines = [r["be"].replace("\r", " ") for r in rows]
with open(f"{out}/text.txt", "w", encoding="utf-8") as f:
    f.writelines(l + "\n" for l in lines)
# "^" makes each line text in the pipe, whatever it starts with.
with open(f"{out}/text.pipe", "w", encoding="utf-8") as f:
    f.writelines("^" + l + "\n" for l in lines)
words = set()
for l in lines:
    words.update(w for w in re.findall(r"[а-яёіў'’]+", l) if len(w) >= 4 and not w.startswith("'"))
with open(f"{out}/vocabulary.txt", "w", encoding="utf-8") as f:
    f.writelines("^" + w + "\n" for w in sorted(words))
EOF

# Runs a checker over a pipe file; prints one answer per line of input: the
# ispell answer lines of that line joined by " | ".
answers() {
  local input=$1; shift
  # kunimor-cli exits 1 when it found errors: that is an answer, no failure.
  { "$@" <"$input" || [ $? -eq 1 ]; } | python3 -c '
import sys
lines = sys.stdin.read().split("\n")[1:]  # the banner
block = []
for line in lines:
    if line == "":
        print(" | ".join(block)); block = []
    else:
        block.append(line)
'
}

# hunspell's verdict on one word a line (without the "^"), in the pipe's
# terms: "*" for a word it knows, "#" for one it does not.
verdicts() {
  sed 's/^\^//' "$1" >"$1.words"
  hunspell -l -d be_BY <"$1.words" | sort -u >"$1.rejected"
  python3 - "$1.words" "$1.rejected" <<'PY'
import sys
rejected = set(open(sys.argv[2], encoding="utf-8").read().split("\n"))
for word in open(sys.argv[1], encoding="utf-8").read().split("\n")[:-1]:
    print("# " + word if word in rejected else "*")
PY
}

answers "$out/text.pipe" "${ours[@]}" >"$out/text.ours"
answers "$out/text.pipe" "${peer[@]}" >"$out/text.peer"
answers "$out/vocabulary.txt" "${ours[@]}" >"$out/vocabulary.ours"
verdicts "$out/vocabulary.txt" >"$out/vocabulary.peer"

python3 - "$out" <<'EOF'
import random, sys
out = sys.argv[1]
def read(name):
    with open(f"{out}/{name}", encoding="utf-8") as f:
        return f.read().split("\n")[:-1]
vocabulary = [w[1:] for w in read("vocabulary.txt")]
def accepted(answers):
    return {w for w, a in zip(vocabulary, answers) if a and all(x[:1] in "*+-" for x in a.split(" | "))}
both = sorted(accepted(read("vocabulary.ours")) & accepted(read("vocabulary.peer")))
known = set(vocabulary)
vowels = "аеёіоуыэюя"

def replace_first(old, new):
    # Not at the start: whether a word begins with "ў" or "у" is the word
    # before's to decide, and a word alone may begin with either.
    def change(w):
        at = w.find(old, 1)
        return w[:at] + new + w[at + len(old):] if at > 0 else None
    return change
def ending(pairs):
    def change(w):
        for old, new in pairs:
            if w.endswith(old) and len(w) > len(old) + 2:
                return w[: -len(old)] + new
        return None
    return change
def unstressed_o(w):
    # "а" after the first syllable, where Belarusian writes what it hears.
    first = next((i for i, c in enumerate(w) if c in vowels), None)
    spots = [i for i, c in enumerate(w) if c == "а" and first is not None and i > first]
    return w[: spots[0]] + "о" + w[spots[0] + 1 :] if spots else None
rng = random.Random(17)
letters = "абвгдеёжзійклмнопрстуўфхцчшыьэюя"
def typo(w):
    i = rng.randrange(len(w))
    kind = rng.randrange(4)
    if kind == 0: return w[:i] + w[i + 1 :]                           # a letter left out
    if kind == 1: return w[:i] + rng.choice(letters) + w[i:]          # one put in
    if kind == 2: return w[:i] + rng.choice(letters) + w[i + 1 :]     # one changed
    return w[:i] + w[i + 1 : i + 2] + w[i] + w[i + 2 :] if i + 1 < len(w) else None  # two swapped

kinds = [
    ("і -> и", replace_first("і", "и")),
    ("ў -> у", replace_first("ў", "у")),
    ("шч -> щ", replace_first("шч", "щ")),
    ("' -> ъ", lambda w: w.replace("'", "ъ", 1).replace("’", "ъ", 1) if ("'" in w or "’" in w) else None),
    ("э -> е", replace_first("э", "е")),
    ("ы -> и", replace_first("ы", "и")),
    ("Russian ending", ending([("ае", "ое"), ("ага", "ого"), ("аму", "ому"), ("ць", "ть"), ("ццё", "ние"),
                               ("цца", "ться"), ("ных", "ний"), ("ы", "ый")])),
    ("а -> о unstressed", unstressed_o),
    ("random typo", typo),
]
per_kind = {"random typo": 300}
cases = []
for name, change in kinds:
    pool = both[:]
    rng.shuffle(pool)
    made = set()
    for w in pool:
        if len(made) >= per_kind.get(name, 100): break
        m = change(w)
        if m and m != w and m not in known and m not in made:
            made.add(m)
            cases.append((name, w, m))
with open(f"{out}/misspelt.tsv", "w", encoding="utf-8") as f:
    f.writelines(f"{k}\t{w}\t{m}\n" for k, w, m in cases)
with open(f"{out}/misspelt.pipe", "w", encoding="utf-8") as f:
    f.writelines(f"^{m}\n" for _, _, m in cases)
EOF

answers "$out/misspelt.pipe" "${ours[@]}" >"$out/misspelt.ours"
answers "$out/misspelt.pipe" "${ours[@]}" --warnings >"$out/misspelt.ours-warnings"
verdicts "$out/misspelt.pipe" >"$out/misspelt.peer"

# Speed: ours as the check counts itself, hunspell by the clock less its start-up.
# CheckText as F7 runs it (bench/spell_check_text) where it is built, else the
# CLI's count, which includes making every flag's suggestions.
bench=$(dirname "$cli")/spell_check_text
if [ -x "$bench" ]; then
  "$bench" "$out/text.txt" "$data" | tail -1 | sed -E 's/^.* ([0-9]+) words +([0-9]+) words\/s.*$/words \1, seconds 1, rate \2/' >"$out/speed.ours"
else
  "$cli" spell be --dict "$data" --stats "$out/text.txt" >/dev/null 2>"$out/speed.ours" || true
fi
start=$(date +%s.%N); "${peer[@]}" </dev/null >/dev/null; idle=$(date +%s.%N)
"${peer[@]}" <"$out/text.pipe" >/dev/null; end=$(date +%s.%N)
echo "$start $idle $end" >"$out/speed.peer"

python3 - "$out" <<'EOF'
import random, re, sys
out = sys.argv[1]
def read(name):
    with open(f"{out}/{name}", encoding="utf-8") as f:
        return f.read().split("\n")[:-1]
def flagged(answer):
    return [a for a in answer.split(" | ") if a[:1] in "&#"] if answer else []
def words(answer):
    return len(answer.split(" | ")) if answer else 0

rows = []
for who, name in (("kunimor", "ours"), ("hunspell", "peer")):
    text = read(f"text.{name}")
    total = sum(words(a) for a in text)
    flags = [f for a in text for f in flagged(a)]
    rows.append((who, total, len(flags)))
cases = [l.split("\t") for l in read("misspelt.tsv")]
caught = {}
for name in ("ours", "ours-warnings", "peer"):
    caught[name] = [bool(flagged(a)) for a in read(f"misspelt.{name}")]
speed = open(f"{out}/speed.ours").read()
ours_speed = re.search(r"words (\d+), seconds ([0-9.e-]+)", speed)
start, idle, end = map(float, open(f"{out}/speed.peer").read().split())
peer_words = rows[1][1]
peer_rate = peer_words / max(end - idle - (idle - start), 1e-9)
rate = re.search(r"rate (\d+)", speed)
ours_rate = int(rate.group(1)) if rate else int(ours_speed.group(1)) / max(float(ours_speed.group(2)), 1e-9)

print(f"{'':34}{'kunimor':>12}{'+warnings':>12}{'hunspell':>12}")
print(f"{'words of the text':34}{rows[0][1]:>12}{'':>12}{rows[1][1]:>12}")
print(f"{'words flagged':34}{rows[0][2]:>12}{'':>12}{rows[1][2]:>12}")
print(f"{'share flagged (aim < 1 %)':34}{100 * rows[0][2] / rows[0][1]:>11.2f}%{'':>12}{100 * rows[1][2] / rows[1][1]:>11.2f}%")
kinds = list(dict.fromkeys(k for k, _, _ in cases))
for kind in kinds + ["all misspellings"]:
    idx = [i for i, c in enumerate(cases) if kind == "all misspellings" or c[0] == kind]
    share = lambda name: 100 * sum(caught[name][i] for i in idx) / len(idx)
    label = f"caught: {kind} ({len(idx)})"
    print(f"{label:34}{share('ours'):>11.1f}%{share('ours-warnings'):>11.1f}%{share('peer'):>11.1f}%")
print(f"{'words per second (aim >= 500k)':34}{ours_rate:>12.0f}{'':>12}{peer_rate:>12.0f}")

rng = random.Random(17)
ours_flags = [f for a in read("text.ours") for f in flagged(a)]
with open(f"{out}/sample-flags.txt", "w", encoding="utf-8") as f:
    f.writelines(x + "\n" for x in rng.sample(ours_flags, min(50, len(ours_flags))))
missed = [c for c, hit in zip(cases, caught["ours"]) if not hit]
with open(f"{out}/missed.tsv", "w", encoding="utf-8") as f:
    f.writelines("\t".join(c) + "\n" for c in missed)
print(f"\n50 of our flags: {out}/sample-flags.txt; misspellings we missed: {out}/missed.tsv")
EOF
