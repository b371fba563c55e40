#!/usr/bin/env bash
# The latin and recode commands of kunimor-cli: text_commands.sh CASE CLI
set -u
case_name=$1 cli=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

source "$(dirname "$0")/harness.sh"
# feed TEXT STATUS COMMAND...: run with printf-formatted TEXT on standard input.
feed() {
  local text=$1
  shift
  printf "$text" >"$tmp/in"
  run "$@" <"$tmp/in"
}
# expect_bytes HEX: standard output byte for byte, as "d0 b0 ..."
expect_bytes() {
  local got
  got=$(od -An -tx1 -v "$tmp/out" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')
  [ "$got" = "$1" ] || fail "stdout bytes were: $got, not: $1"
}

case $case_name in
usage)
  run 2 "$cli" latin
  expect_err "latin: which of to-latin or to-cyrillic?"
  run 2 "$cli" latin sideways
  expect_err 'latin: unknown command "sideways"'
  run 2 "$cli" latin to-latin one two
  expect_err "latin to-latin: too many arguments"
  run 2 "$cli" latin to-latin --encoding koi8-r
  expect_err '--encoding is utf-8 or cp1257, not "koi8-r"'
  run 2 "$cli" latin to-cyrillic --numeric-refs
  run 2 "$cli" latin to-latin --verbose
  expect_err "unknown option --verbose"
  run 2 "$cli" recode --from utf-8
  expect_err "recode: give both --from and --to"
  run 2 "$cli" recode --from utf-8 --to cp1252
  expect_err 'unknown code page "cp1252"; the known ones are:'
  for name in cp1251 cp866 cp1257 utf-8 utf-16 koi8-r mac iso-8859-5; do expect_err "  $name"; done
  expect_err "Lacinka (Baltic 1257)"
  run 2 "$cli" recode --from utf-8 --to utf-16 --numeric-refs
  run 0 "$cli" --help
  grep -qF "latin to-latin|to-cyrillic [FILE]" "$tmp/out" || fail "--help does not show the latin commands"
  grep -qF "recode --from CP --to CP [FILE]" "$tmp/out" || fail "--help does not show recode"
  ;;
latin)
  feed 'Добры дзень, Беларусь!\nСям'"'"'я, ЖЫЦЦЁ і кадоўка.\n' 0 "$cli" latin to-latin
  expect_out "Dobry dzień, Biełaruś!
Siamja, ŽYCCIO i kadoŭka."
  cp "$tmp/out" "$tmp/latin.txt"
  run 0 "$cli" latin to-cyrillic "$tmp/latin.txt"
  expect_out "Добры дзень, Беларусь!
Сям'я, ЖЫЦЦЁ і кадоўка."
  # What lies between the Belarusian words keeps its own characters.
  feed 'щи «хата» — №5' 0 "$cli" latin to-latin
  expect_out "щи «chata» — №5"
  feed 'щи «chata» — №5' 0 "$cli" latin to-cyrillic
  expect_out "щи «хата» — №5"
  # Line breaks pass as they are.
  feed 'хата\r\nлес\n' 0 "$cli" latin to-latin
  expect_bytes "63 68 61 74 61 0d 0a 6c 65 73 0a"
  # Both "ŭ" and "ū" and the numeric references are read.
  feed 'kadoŭka kadoūka kado&#365;ka kado&#363;ka' 0 "$cli" latin to-cyrillic
  expect_out "кадоўка кадоўка кадоўка кадоўка"
  feed 'кадоўка' 0 "$cli" latin to-latin --numeric-refs
  expect_out "kado&#365;ka"
  ;;
latin_cp1257)
  feed 'кадоўка Біełaruś' 1 "$cli" latin to-latin --encoding cp1257
  expect_err "U+0142 has no Windows-1251 character at byte offset 20"
  feed 'Часопіс' 0 "$cli" latin to-latin --encoding cp1257
  expect_bytes "c8 61 73 6f 70 69 73"
  feed 'кадоўка' 0 "$cli" latin to-latin --encoding CP1257 --numeric-refs
  expect_out "kado&#365;ka"
  feed '\xc8asopis kado\xfbka kado&#365;ka' 0 "$cli" latin to-cyrillic --encoding cp1257
  expect_out "Часопіс кадоўка кадоўка"
  ;;
latin_invalid)
  feed 'мова \xff мова' 1 "$cli" latin to-latin
  expect_err "standard input: invalid UTF-8 at byte offset 9; --lossy writes ? for it"
  [ ! -s "$tmp/out" ] || fail "a failed conversion wrote: $(cat "$tmp/out")"
  feed 'мова \xff мова' 0 "$cli" latin to-latin --lossy
  expect_out "mova ? mova"
  feed 'Mova \xe4\xb8\xad' 1 "$cli" latin to-cyrillic
  expect_err "U+4E2D has no Windows-1251 character at byte offset 5"
  feed 'Mova \xe4\xb8\xad' 0 "$cli" latin to-cyrillic --lossy
  expect_out "Мова ?"
  run 1 "$cli" latin to-latin "$tmp/nowhere.txt"
  expect_err "$tmp/nowhere.txt: cannot be read"
  ;;
recode)
  feed 'аб' 0 "$cli" recode --from utf-8 --to utf-16
  expect_bytes "ff fe 30 04 31 04"
  feed '\xff\xfe\x30\x04\x31\x04' 0 "$cli" recode --from utf-16 --to utf-8
  expect_out "аб"
  feed '\x30\x04\x31\x04' 0 "$cli" recode --from UTF-16 --to utf-8
  expect_out "аб"
  feed 'Ііі Hi ў' 0 "$cli" recode --from utf-8 --to cp866
  expect_bytes "49 69 69 20 48 69 20 f7"
  feed 'Iii Hi \xf7' 0 "$cli" recode --from cp866 --to utf-8
  expect_out "Ііі Hі ў"
  feed 'Беларусь' 0 "$cli" recode --from utf-8 --to cp1257
  expect_bytes "42 69 65 f9 61 72 75 fa"
  feed 'кадоўка' 0 "$cli" recode --from utf-8 --to cp1257 --numeric-refs
  expect_out "kado&#365;ka"
  # A Russian text survives a trip through every code page.
  text='Съешь же ещё этих мягких французских булок, да выпей чаю. ЁЖ'
  for cp in cp1251 cp866 utf-8 utf-16 koi8-r mac iso-8859-5; do
    feed "$text" 0 "$cli" recode --from utf-8 --to $cp
    mv "$tmp/out" "$tmp/$cp.txt"
    run 0 "$cli" recode --from $cp --to utf-8 "$tmp/$cp.txt"
    expect_out "$text"
  done
  # The input file is read, never written.
  printf 'мова' >"$tmp/keep.txt"
  before=$(od -An -tx1 "$tmp/keep.txt")
  run 0 "$cli" recode --from utf-8 --to utf-16 "$tmp/keep.txt"
  [ "$(od -An -tx1 "$tmp/keep.txt")" = "$before" ] || fail "recode changed its input file"
  ;;
recode_invalid)
  feed '\xff\xfe\x30\x04\x31' 1 "$cli" recode --from utf-16 --to utf-8
  expect_err "standard input: odd byte ending UTF-16 text at byte offset 4"
  [ ! -s "$tmp/out" ] || fail "a failed conversion wrote: $(cat "$tmp/out")"
  feed '\xff\xfe\x30\x04\x31' 0 "$cli" recode --from utf-16 --to utf-8 --lossy
  expect_out "а?"
  feed 'ok \xc3(' 1 "$cli" recode --from utf-8 --to koi8-r
  expect_err "invalid UTF-8 at byte offset 3"
  feed 'ok \xc3(' 0 "$cli" recode --from utf-8 --to koi8-r --lossy
  expect_out "ok ?("
  ;;
transcribe)
  run 2 "$cli" transcribe
  expect_err "transcribe: which of latin, translit-be, translit-ru or translit-uk?"
  run 2 "$cli" transcribe gothic
  expect_err 'transcribe: unknown script "gothic"'
  # Keys and markup are ASCII and stay; "→" has no Windows-1251 byte and stays too.
  feed 'actQuit.Caption=Выйсці → Беларусь\\Жыццё\n' 0 "$cli" transcribe latin
  expect_out 'actQuit.Caption=Vyjsci → Biełaruś\Žyccio'
  feed 'Щука и ЖУК, хлеб\n' 0 "$cli" transcribe translit-ru
  expect_out 'Shchuka i ZHUK, khleb'
  feed 'Гаворка ўсё\n' 0 "$cli" transcribe translit-be
  expect_out 'Havorka wsyo'
  feed 'Їжак і ґанок є\n' 0 "$cli" transcribe translit-uk
  expect_out 'Yizhak i ganok ye'
  # --out writes the file whole, and only on success.
  printf 'мова' >"$tmp/in.txt"
  run 0 "$cli" transcribe translit-ru "$tmp/in.txt" --out "$tmp/made.txt"
  [ "$(cat "$tmp/made.txt")" = "mova" ] || fail "--out wrote: $(cat "$tmp/made.txt")"
  run 1 "$cli" transcribe translit-ru "$tmp/in.txt" --out "$tmp/no/such/folder/made.txt"
  expect_err "cannot be written"
  ;;
*)
  fail "unknown case $case_name"
  ;;
esac
exit $((failures > 0))
