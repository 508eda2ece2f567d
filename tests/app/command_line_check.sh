#!/bin/sh
# Checks a program's command line: --help prints the usage on standard output,
# --version one line that ends in the version, and an unknown option the usage
# on standard error with status 2. Usage: command_line_check.sh PROGRAM VERSION
set -u
program=$1
version=$2
name=$(basename "$program")
fail() { echo "$name: $*" >&2; exit 1; }

help=$("$program" --help) || fail "--help ended with status $?"
case "$help" in "Usage: $name "*) ;; *) fail "--help does not begin with the usage: $help" ;; esac

line=$("$program" --version) || fail "--version ended with status $?"
case "$name" in
  kestrix) want="Kestrix $version" ;;
  *) want="$name $version" ;;
esac
[ "$line" = "$want" ] || fail "--version printed '$line', not '$want'"

out=$("$program" --no-such-option 2>/dev/null)
status=$?
[ "$status" -eq 2 ] || fail "an unknown option ended with status $status, not 2"
[ -z "$out" ] || fail "an unknown option printed on standard output: $out"
err=$("$program" --no-such-option 2>&1 >/dev/null)
case "$err" in "Usage: $name "*) ;; *) fail "an unknown option did not print the usage: $err" ;; esac
echo "$name: --help, --version ($line) and an unknown option (status 2) answer as they should"
