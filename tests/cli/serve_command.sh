#!/usr/bin/env bash
# The translation server of kunimor-cli and its signals: serve_command.sh CASE CLI FIXTURE_DIR
set -u
case_name=$1 cli=$2 fixture=$3
tmp=$(mktemp -d)
server=
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$tmp"' EXIT

source "$(dirname "$0")/harness.sh"
data=$tmp/data

# wait_for TEXT: until the server's standard error holds TEXT (10 s at most).
wait_for() {
  for _ in $(seq 100); do grep -qF -- "$1" "$tmp/server.err" && return 0; sleep 0.1; done
  fail "the server never said '$1': $(cat "$tmp/server.err")"
  return 1
}
translate() {
  curl -s --noproxy '*' --max-time 10 -H 'Content-Type: application/json' \
    -d '{"q": "Новый дом", "source": "ru", "target": "be"}' "http://127.0.0.1:$port/translate"
}

case $case_name in
usage)
  run 2 "$cli" serve --port 70000
  expect_err "--port takes a whole number from 0 to 65535, not \"70000\""
  run 2 "$cli" serve --threads 0
  expect_err "--threads takes a whole number from 1 to 1024"
  run 2 "$cli" serve --char-limit x
  expect_err "--char-limit takes a whole number"
  run 2 "$cli" serve extra
  expect_err "serve: too many arguments"
  run 2 "$cli" serve --dict "$tmp/nowhere" --port 0
  expect_err "no usable dictionary in $tmp/nowhere"
  ;;
signals)
  "$cli" dict build "$fixture" "$data" >/dev/null || fail "cannot build the test dictionary"
  "$cli" serve --dict "$data" --port 0 2>"$tmp/server.err" &
  server=$!
  wait_for "serving on http://127.0.0.1:" || exit 1
  port=$(sed -n 's|.*serving on http://127.0.0.1:\([0-9]*\)/.*|\1|p' "$tmp/server.err")
  [ "$(translate)" = '{"translatedText":"Новы дом"}' ] || fail "before reloading: $(translate)"
  kill -HUP "$server"
  wait_for "the dictionary is reloaded"
  # A dictionary that no longer loads leaves the loaded one serving.
  head -c 20 "$data/WordsR.kmr" >"$tmp/short" && mv "$tmp/short" "$data/WordsR.kmr"
  kill -HUP "$server"
  wait_for "the dictionary did not reload, the one loaded before goes on serving"
  [ "$(translate)" = '{"translatedText":"Новы дом"}' ] || fail "after a failed reload: $(translate)"
  kill -TERM "$server"
  wait "$server"
  status=$?
  server=
  [ "$status" -eq 0 ] || fail "SIGTERM made the server exit $status"
  ;;
*) fail "unknown case $case_name" ;;
esac
exit $((failures > 0))
