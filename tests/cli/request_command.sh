#!/usr/bin/env bash
# The request command of kunimor-cli without a running desktop program: request_command.sh CASE CLI
set -u
case_name=$1 cli=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

source "$(dirname "$0")/harness.sh"

case $case_name in
usage)
  run 2 "$cli" request
  expect_err "request: which direction, ru-be, be-ru or auto?"
  run 2 "$cli" request ru-xx text
  expect_err 'request: the direction is ru-be, be-ru or auto, not "ru-xx"'
  run 2 "$cli" request ru-be one two
  expect_err "request: too many arguments"
  ;;
not_running)
  # Nothing listens there: exit 3, whatever the text.
  run 3 "$cli" request auto "Брат" --server "kunimor-absent-$$"
  expect_err "the desktop program does not run"
  printf 'Брат\n' >"$tmp/in"
  TMPDIR="$tmp" run 3 "$cli" request ru-be "$tmp/in"
  # Something else at the socket's path is no running program either.
  touch "$tmp/kunimor-file"
  TMPDIR="$tmp" run 3 "$cli" request ru-be "x" --server kunimor-file
  ;;
*) fail "unknown case $case_name" ;;
esac
exit $((failures > 0))
