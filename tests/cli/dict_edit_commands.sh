#!/usr/bin/env bash
# dict add and dict remove of kunimor-cli: dict_edit_commands.sh CASE CLI FIXTURE_DIR
set -u
case_name=$1 cli=$2 fixture=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

source "$(dirname "$0")/harness.sh"

"$cli" dict build "$fixture" "$tmp/data" || fail "cannot build the test dictionary"
"$cli" dict dump "$tmp/data" "$tmp/before" || fail "cannot dump the test dictionary"
unchanged() {
  rm -rf "$tmp/now" && "$cli" dict dump "$tmp/data" "$tmp/now" && diff -r "$tmp/before" "$tmp/now" >&2 ||
    fail "$1: the dictionary changed"
}

case $case_name in
usage)
  run 2 "$cli" dict add "$tmp/data"
  run 2 "$cli" dict remove "$tmp/data" a b
  run 2 "$cli" dict remove "$tmp/data" "$tmp/pairs" --dry-run
  expect_err "unknown option --dry-run"
  ;;
add)
  printf 'стол\tстол\tnoun\nкрасный\tчырвоны\nдом\tдом\n' >"$tmp/pairs"
  run 0 "$cli" dict add "$tmp/data" "$tmp/pairs" --dry-run
  grep -qF 'line 1: would add ru "стол" as noun: стол, стола, столу' "$tmp/out" || fail "no forms shown: $(cat "$tmp/out")"
  grep -qF 'dry run: nothing written' "$tmp/out" || fail "the dry run does not say so"
  unchanged "a dry run"
  run 0 "$cli" dict add "$tmp/data" "$tmp/pairs"
  grep -qF 'line 2: added be "чырвоны" word 42 (adjective' "$tmp/out" || fail "чырвоны not added: $(cat "$tmp/out")"
  grep -qF 'line 3: reused ru "дом" word 28' "$tmp/out" || fail "дом not reused"
  grep -qF 'added 4 word(s), reused 2, linked 2 pair(s), 1 already linked, refused 0 line(s)' "$tmp/out" ||
    fail "wrong summary: $(cat "$tmp/out")"
  run 0 "$cli" translations ru стол --dict "$tmp/data"
  grep -qF 'стол' "$tmp/out" || fail "стол has no translation: $(cat "$tmp/out")"
  [ -e "$tmp/data/Trans.kmr.bak" ] || fail "no backup of Trans.kmr"
  [ ! -e "$tmp/data/EtalonB.kmr.bak" ] || fail "an unchanged table was written"
  # A second run finds everything in place and writes nothing.
  run 0 "$cli" dict add "$tmp/data" "$tmp/pairs"
  expect_out "$(printf '%s\n' 'line 1: reused ru "стол" word 40' 'line 1: reused be "стол" word 41' \
    'line 1: already linked' 'line 2: reused ru "красный" word 41' 'line 2: reused be "чырвоны" word 42' \
    'line 2: already linked' 'line 3: reused ru "дом" word 28' 'line 3: reused be "дом" word 30' \
    'line 3: already linked' \
    'added 0 word(s), reused 6, linked 0 pair(s), 3 already linked, refused 0 line(s)' 'saved nothing: no change')"
  ;;
bad_lines)
  printf 'стол\tстол\ndom\tдом\nдом2\tдом\n\tдом\nдом\tдом\tthing\nодно\n' >"$tmp/pairs"
  run 1 "$cli" dict add "$tmp/data" "$tmp/pairs"
  expect_out "$(printf '%s\n' 'line 2: refused: a Latin letter in "dom"' 'line 3: refused: a digit in "дом2"' \
    'line 4: refused: an empty side' 'line 5: refused: unknown kind "thing"' \
    'line 6: refused: not two or three tab-separated fields' 'nothing written: 5 line(s) refused')"
  unchanged "bad lines"
  # A line the dictionary cannot take refuses the whole file too.
  printf 'стол\tстол\tnoun\nпрочитать\tпрачытаць\tperfective\n' >"$tmp/pairs"
  run 1 "$cli" dict add "$tmp/data" "$tmp/pairs"
  grep -qF 'line 2: refused: no paradigm in the dictionary fits ru "прочитать"' "$tmp/out" ||
    fail "no reason given: $(cat "$tmp/out")"
  unchanged "a refused pair"
  ;;
remove)
  printf 'стол\tстол\tnoun\n' >"$tmp/pairs"
  run 0 "$cli" dict add "$tmp/data" "$tmp/pairs"
  run 0 "$cli" dict remove "$tmp/data" "$tmp/pairs"
  grep -qF 'removed 1 link(s) and 2 word(s), refused 0 line(s)' "$tmp/out" || fail "wrong summary: $(cat "$tmp/out")"
  unchanged "adding and removing a pair"
  # дом keeps its word: it has another translation (хата).
  printf 'дом\tдом\n' >"$tmp/pairs"
  run 0 "$cli" dict remove "$tmp/data" "$tmp/pairs"
  grep -qF 'removed 1 link(s) and 0 word(s)' "$tmp/out" || fail "wrong summary: $(cat "$tmp/out")"
  run 1 "$cli" dict remove "$tmp/data" "$tmp/pairs"
  expect_out "$(printf '%s\n' 'line 1: refused: the two words are not translations of each other' \
    'removed 0 link(s) and 0 word(s), refused 1 line(s)' 'nothing written: 1 line(s) refused')"
  ;;
unwritable)
  printf 'стол\tстол\tnoun\n' >"$tmp/pairs"
  mkdir "$tmp/data/Trans.kmr.bak" && touch "$tmp/data/Trans.kmr.bak/keep"
  run 1 "$cli" dict add "$tmp/data" "$tmp/pairs"
  expect_err "Не удалось сохранить на диск словарь"
  rmdir "$tmp/data/Trans.kmr.bak" 2>/dev/null || rm -r "$tmp/data/Trans.kmr.bak"
  unchanged "a save that could not replace a file"
  ls "$tmp/data" | grep -q '\.new$' && fail "temporary files left behind"
  ;;
*)
  fail "unknown case $case_name"
  ;;
esac
exit $((failures > 0))
