#!/bin/sh
# The man page renders without warnings, names the program's version, and
# lists the same commands and --options as `bokushomaru --help`.
# Usage: manpage_test.sh PROGRAM MANPAGE VERSION
set -eu
program=$1 page=$2 version=$3
fail=0
problem() { echo "FAIL: $*" >&2; fail=1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

export LC_ALL=C.UTF-8
MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" >/dev/null 2>"$tmp/warnings"
[ ! -s "$tmp/warnings" ] || problem "the man page renders with warnings: $(cat "$tmp/warnings")"

grep -q "^\.TH BOKUSHOMARU 1 [0-9-]* \"bokushomaru $version\"" "$page" ||
  problem "the man page's .TH line does not name version $version"

QT_QPA_PLATFORM=offscreen "$program" --help >"$tmp/help" || problem "--help failed"

# Commands: the word after the program's name in the usage lines and in the
# synopsis; options: every --word anywhere.
words() { # FILE
  grep -o -- '--[a-z0-9][a-z0-9-]*' "$1" | sed 's/-*$//'
  grep -o 'bokushomaru [a-z][a-z]*' "$1" | sed 's/^bokushomaru //'
}
words "$tmp/help" | sort -u >"$tmp/help.words"
sed -e 's/\\-/-/g' -e 's/^\.[A-Z]* //' "$page" >"$tmp/page.txt"
# Only the synopsis names commands after the program's name.
sed -n '/^\.SH SYNOPSIS/,/^\.SH /p' "$page" | sed -e 's/\\-/-/g' -e 's/^\.[A-Z]* //' >"$tmp/synopsis"
{
  grep -o -- '--[a-z0-9][a-z0-9-]*' "$tmp/page.txt" | sed 's/-*$//'
  grep -o 'bokushomaru [a-z][a-z]*' "$tmp/synopsis" | sed 's/^bokushomaru //'
} | sort -u >"$tmp/page.words"
[ "$(wc -l <"$tmp/help.words")" -ge 10 ] || problem "too few words in --help: $(cat "$tmp/help.words")"

missing=$(comm -23 "$tmp/help.words" "$tmp/page.words")
[ -z "$missing" ] || problem "in --help but not in the man page: $missing"
extra=$(comm -13 "$tmp/help.words" "$tmp/page.words")
[ -z "$extra" ] || problem "in the man page but not in --help: $extra"

[ "$fail" -eq 0 ] && echo "man page and --help agree ($(wc -l <"$tmp/help.words") commands and options)"
exit "$fail"
