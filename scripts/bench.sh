#!/usr/bin/env bash
# Translation speed against the peer: runs bench/translate_throughput and
# /work/shared/eval/peer-apertium.sh on the same texts, both directions, and
# prints words per second of processor time and the ratio kunimor / peer.
#   scripts/bench.sh [--dict DIR] [RUSSIAN_TEXT BELARUSIAN_TEXT]
# Without texts the dev set's Russian and Belarusian columns, repeated five
# times (about 300,000 words each), are used.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dict=$root/build/bin/data
if [ "${1:-}" = --dict ]; then dict=$2; shift 2; fi
peer=${PEER:-/work/shared/eval/peer-apertium.sh}
bench=$root/build/bin/translate_throughput
[ -x "$bench" ] || { echo "bench.sh: build translate_throughput first (scripts/build.sh release)" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM
if [ $# -ge 2 ]; then
  ru=$1 be=$2
else
  dev=/work/shared/eval/dev.ru-be.tsv
  ru=$tmp/ru.txt be=$tmp/be.txt
  for _ in 1 2 3 4 5; do tail -n +2 "$dev" | cut -f2; done > "$ru"
  for _ in 1 2 3 4 5; do tail -n +2 "$dev" | cut -f3; done > "$be"
fi

"$bench" "$dict" "$ru" "$be" | tee "$tmp/kunimor.txt"

# Words per second of processor time of the peer (all its processes) on
# one text in one direction; the machine is shared, so the wall clock would
# count the other users' work too.
peer_rate() {
  local words cpu TIMEFORMAT='%U %S'
  words=$(wc -w < "$2")
  cpu=$( { time "$peer" "$1" < "$2" > /dev/null; } 2>&1 | tail -1)
  awk -v w="$words" -v c="$cpu" 'BEGIN { split(c, t, " "); printf "%.0f", w / (t[1] + t[2]) }'
}

for dir in ru-be be-ru; do
  text=$ru; [ "$dir" = be-ru ] && text=$be
  ours=$(awk -v d="$dir:" '$1 == d { for (i = 1; i <= NF; ++i) if ($(i + 1) == "words/s") { print $i; exit } }' "$tmp/kunimor.txt")
  theirs=$(peer_rate "$dir" "$text")
  awk -v d="$dir" -v o="$ours" -v t="$theirs" \
    'BEGIN { printf "%s: kunimor %d words/s, peer %d words/s, ratio %.1f\n", d, o, t, o / t }'
done
