#!/usr/bin/env bash
# kunimor-cli translate, the batch translator: translate_command.sh CASE CLI FIXTURE_DIR
set -u
case_name=$1 cli=$2 fixture=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
source "$(dirname "$0")/harness.sh"

data=$tmp/data
build_dictionary() { "$cli" dict build "$fixture" "$data" >/dev/null || fail "cannot build the test dictionary"; }
translate() { "$cli" translate ru-be --dict "$data" "$@"; }
# same_file A B: the two files hold the same bytes.
same_file() { cmp -s "$1" "$2" || fail "$2 differs from $1: $(cmp "$1" "$2" 2>&1)"; }
# bel FILE: the translation the test dictionary gives of the Russian text in FILE.
bel() { sed 's/ и / і /g; s/книга/кніга/g; s/Книга/Кніга/g' "$1"; }
# line_ends FILE: one line per line feed, "crlf" or "lf", and a last "open" line without one.
line_ends() { perl -ne 'print /\r\n$/ ? "crlf\n" : /\n$/ ? "lf\n" : "open\n"' "$1"; }

case $case_name in
usage)
  run 2 "$cli" translate
  expect_err "which direction"
  run 2 "$cli" translate ru-uk
  expect_err 'not "ru-uk"'
  run 2 "$cli" translate ru-be --colour
  expect_err "unknown option --colour"
  run 2 "$cli" translate ru-be --encoding ebcdic
  expect_err 'unknown code page "ebcdic"'
  run 2 "$cli" translate ru-be --unknown-words
  expect_err "--unknown-words needs a value"
  run 0 "$cli" translate --version
  expect_out "kunimor-cli 0.1"
  run 0 "$cli" translate --help
  grep -qF "translate ru-be|be-ru [FILE...]" "$tmp/out" || fail "--help does not show translate"
  ;;
dictionary)
  printf 'дом\n' >"$tmp/in.txt"
  run 2 "$cli" translate ru-be --dict "$tmp/nowhere" "$tmp/in.txt"
  expect_err "no usable dictionary in $tmp/nowhere"
  expect_err "kunimor-cli dict build tests/fixtures/dictionary $tmp/nowhere"
  [ ! -s "$tmp/out" ] || fail "output without a dictionary: $(cat "$tmp/out")"
  build_dictionary
  head -c 20 "$data/WordsR.kmr" >"$tmp/short" && mv "$tmp/short" "$data/WordsR.kmr"
  run 2 "$cli" translate ru-be --dict "$data" "$tmp/in.txt"
  expect_err "no usable dictionary in $data"
  ;;
inputs)
  build_dictionary
  printf 'Дом. Книга\n' >"$tmp/a.txt"
  printf 'брат\n' >"$tmp/b.txt"
  run 1 "$cli" translate ru-be --dict "$data" "$tmp/a.txt" "$tmp/missing.txt"
  expect_err "$tmp/missing.txt: No such file or directory"
  [ ! -s "$tmp/out" ] || fail "output although an input is missing"
  run 1 "$cli" translate ru-be --dict "$data" "$tmp"
  expect_err "$tmp: is a folder"
  # several files one after the other, and standard input
  run 0 translate "$tmp/a.txt" "$tmp/b.txt"
  expect_out "$(printf 'Дом. Кніга\nбрат')"
  run 0 translate <"$tmp/a.txt"
  expect_out "Дом. Кніга"
  run 0 translate - "$tmp/b.txt" <"$tmp/a.txt"
  expect_out "$(printf 'Дом. Кніга\nбрат')"
  # the other direction: Belarusian words and abbreviations
  run 0 "$cli" translate be-ru --dict "$data" <<<"Сям'я, г.зн. дом"
  expect_out "Сям'я, т.е. дом"
  ;;
layout)
  build_dictionary
  # LF and CRLF lines, blank lines, a sentence over a line end, a last line without a line end
  printf 'Дом и книга\r\nбрат, дом\n\n\r\nКнига\r\n  и брат.\nдом' >"$tmp/in.txt"
  run 0 translate "$tmp/in.txt"
  bel "$tmp/in.txt" >"$tmp/expected.txt"
  same_file "$tmp/expected.txt" "$tmp/out"
  # An abbreviation written over a line end would be one word: the lines stay
  # as they were, and the abbreviation inside a line is still translated.
  cp -r "$fixture" "$tmp/src"
  printf '2\tг. зн.\tт. е.\t0\n' >>"$tmp/src/Abbr.tsv"
  rm -rf "$data" && "$cli" dict build "$tmp/src" "$data" >/dev/null || fail "cannot build the dictionary"
  printf 'Дом т.\r\nе. книга\nбрат т. е. дом\n' >"$tmp/abbr.txt"
  run 0 translate "$tmp/abbr.txt"
  [ "$(line_ends "$tmp/out")" = "$(line_ends "$tmp/abbr.txt")" ] || fail "line ends changed: $(od -c "$tmp/out")"
  expect_out "$(printf 'Дом т.\r\nе. кніга\nбрат г. зн. дом')"
  ;;
outside_code_page)
  build_dictionary
  # emoji, other scripts, a stress accent, a non-breaking hyphen, thin and
  # zero-width spaces, a soft hyphen and U+0098 (the bytes of Windows-1251
  # the engine uses as stand-ins), a lone surrogate's bytes and a stray byte
  printf 'Дом 😀 и 中文 книга.\nзамо\xcc\x81к по\xe2\x80\x91русски дом\xe2\x80\x89книга\xe2\x80\x8b!\nпри\xc2\xadмер \xc2\x98 дом\xed\xa0\x80 \xff брат👍🏽.\n' >"$tmp/in.txt"
  run 0 translate --unknown-words "$tmp/unknown.txt" "$tmp/in.txt"
  bel "$tmp/in.txt" | sed 's/по\xe2\x80\x91/па\xe2\x80\x91/' >"$tmp/expected.txt"
  same_file "$tmp/expected.txt" "$tmp/out"
  grep -q '^замо'$'\xcc\x81''к	1$' "$tmp/unknown.txt" || fail "the stressed word is not listed as written: $(cat "$tmp/unknown.txt")"
  # and the same in UTF-16
  iconv -f utf-8 -t utf-16le <<<'Дом 😀 и 中文 ма́ма.' >"$tmp/in16.txt"
  run 0 translate --encoding utf-16 "$tmp/in16.txt"
  { printf '\xff\xfe'; iconv -f utf-8 -t utf-16le <<<'Дом 😀 і 中文 ма́ма.'; } >"$tmp/expected16.txt"
  same_file "$tmp/expected16.txt" "$tmp/out"
  ;;
bom_and_empty)
  build_dictionary
  printf '\xef\xbb\xbfДом и книга\n' >"$tmp/bom.txt"
  run 0 translate "$tmp/bom.txt"
  printf 'Дом і кніга\n' >"$tmp/expected.txt"
  same_file "$tmp/expected.txt" "$tmp/out"
  : >"$tmp/empty.txt"
  run 0 translate --stats "$tmp/empty.txt"
  [ ! -s "$tmp/out" ] || fail "empty input gave output"
  expect_err "Слов: 0, переведено: 0, неизвестных: 0, неточных: 0"
  ;;
encodings)
  build_dictionary
  # Windows-1251: "Дом т.е. книга" -> "Дом г.зн. кніга"
  printf '\xc4\xee\xec \xf2.\xe5. \xea\xed\xe8\xe3\xe0\r\n' >"$tmp/in1251.txt"
  run 0 translate --encoding cp1251 "$tmp/in1251.txt"
  printf '\xc4\xee\xec \xe3.\xe7\xed. \xea\xed\xb3\xe3\xe0\r\n' >"$tmp/expected.txt"
  same_file "$tmp/expected.txt" "$tmp/out"
  iconv -f utf-8 -t koi8-r <<<'Новый дом, брат' >"$tmp/koi.txt"
  run 0 translate --encoding KOI8-R "$tmp/koi.txt"
  iconv -f utf-8 -t koi8-r <<<'Новы дом, брат' >"$tmp/expected.txt"
  same_file "$tmp/expected.txt" "$tmp/out"
  run 0 translate --stats --encoding utf-8 <<<'Дом т.е. книга кот'
  expect_out "Дом г.зн. кніга кот"
  expect_err "Слов: 4, переведено: 1, неизвестных: 1, неточных: 1"
  ;;
unknown_words)
  build_dictionary
  printf 'Кот и кот. КОТ, дом!\nпёс и Дом\n' >"$tmp/in.txt"
  run 0 translate --unknown-words "$tmp/unknown.txt" "$tmp/in.txt"
  expected=$(printf 'Кот\t3\nпёс\t1')
  [ "$(cat "$tmp/unknown.txt")" = "$expected" ] || fail "unknown words: $(cat "$tmp/unknown.txt")"
  ;;
no_overwrite)
  build_dictionary
  printf 'Дом и книга\n' >"$tmp/in.txt"
  cp "$tmp/in.txt" "$tmp/keep.txt"
  run 1 translate --unknown-words "$tmp/in.txt" "$tmp/in.txt"
  expect_err "is an input file"
  same_file "$tmp/keep.txt" "$tmp/in.txt"
  translate "$tmp/in.txt" >>"$tmp/in.txt" 2>"$tmp/err"
  [ $? -eq 1 ] || fail "translating into the input file did not fail"
  expect_err "is also the standard output"
  same_file "$tmp/keep.txt" "$tmp/in.txt"
  ;;
streaming)
  build_dictionary
  # Output comes before the input ends.
  mkfifo "$tmp/fifo"
  translate <"$tmp/fifo" >"$tmp/out" 2>"$tmp/err" &
  pid=$!
  exec 3>"$tmp/fifo"
  printf 'Дом и книга.\n\n' >&3
  for _ in $(seq 300); do [ -s "$tmp/out" ] && break; sleep 0.1; done
  [ -s "$tmp/out" ] || fail "no output before the input ended"
  printf 'брат\n' >&3
  exec 3>&-
  wait "$pid" || fail "translating from a pipe failed: $(cat "$tmp/err")"
  expect_out "$(printf 'Дом і кніга.\n\nбрат')"
  # Memory stays flat: 10 MB in one line and in many lines take about what
  # 100 kB take. (A sanitizer build keeps freed memory unless told not to.)
  perl -e 'print "Дом и книга брат, т.е. кот 😀. " x 2500, "\n"' >"$tmp/small.txt"
  perl -e 'print "Дом и книга брат, т.е. кот 😀. " x 250000' >"$tmp/line.txt"
  perl -e 'print "Дом и книга брат, т.е. кот 😀.\r\n" x 250000' >"$tmp/lines.txt"
  peak() {
    ASAN_OPTIONS=quarantine_size_mb=0:thread_local_quarantine_size_kb=0 \
      /usr/bin/time -f %M "$cli" translate ru-be --dict "$data" "$1" 2>&1 >"$2" | tail -1
  }
  [ -x /usr/bin/time ] || fail "/usr/bin/time is needed to measure the memory a run takes"
  base=$(peak "$tmp/small.txt" "$tmp/out")
  for big in line lines; do
    used=$(peak "$tmp/$big.txt" "$tmp/$big.out")
    [ "$used" -lt $((base + 16384)) ] || fail "$big.txt took $used kB at its peak, 100 kB took $base kB"
  done
  [ "$(wc -l <"$tmp/line.out")" -eq 0 ] && [ "$(grep -o 😀 "$tmp/line.out" | wc -l)" -eq 250000 ] ||
    fail "the 10 MB line did not come out as one line with all its emoji"
  [ "$(line_ends "$tmp/lines.out" | sort | uniq -c | tr -s ' ')" = " 250000 crlf" ] ||
    fail "the 10 MB input lost lines or CRLF line ends"
  ;;
*)
  fail "no such case: $case_name"
  ;;
esac
exit $((failures > 0))
