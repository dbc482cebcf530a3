#!/usr/bin/env bash
# Builds the Debian package from a release build folder and checks it: the
# files it holds, its control fields and dependencies, lintian, and an
# install into a throwaway root (its own dpkg database, never the system's)
# whose program then runs.
# Usage: tests/package/package_test.sh [BUILD_DIR]   (default build-release)
# With BKS_PACKAGE_PRINTER=QUEUE the installed program also prints to that
# CUPS queue.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$source_dir/build-release}" && pwd)
fail=0
problem() { echo "FAIL: $*" >&2; fail=1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export LC_ALL=C.UTF-8

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/bokushomaru_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB >"$tmp/cpack.log") || { cat "$tmp/cpack.log" >&2; exit 1; }
[ -f "$deb" ] || { echo "FAIL: cpack wrote no $deb" >&2; ls "$build"/*.deb >&2 || true; exit 1; }
echo "package: $deb ($(stat -c %s "$deb") bytes)"

# --- files
dpkg-deb -c "$deb" | awk '{print $1, $6}' | sed 's| \./| /|' >"$tmp/listing"
files=$(awk '$1 !~ /^d/ {print $2}' "$tmp/listing")
expected=(
  /usr/bin/bokushomaru
  /usr/share/applications/jp.kurofude.bokushomaru.desktop
  /usr/share/metainfo/jp.kurofude.bokushomaru.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/jp.kurofude.bokushomaru.svg
  /usr/share/man/man1/bokushomaru.1.gz
  /usr/share/doc/bokushomaru/copyright
  /usr/share/doc/bokushomaru/changelog.gz
  /usr/share/bokushomaru/strokes.dat
  /usr/share/bokushomaru/kanjifacts.dat
)
for f in "${expected[@]}"; do
  grep -qx -- "$f" <<<"$files" || problem "the package lacks $f"
done
unexpected=$(grep -v -e '^/usr/bin/' -e '^/usr/share/' <<<"$files" || true)
[ -z "$unexpected" ] || problem "files outside /usr/bin and /usr/share: $unexpected"
bundled=$(grep -E '\.so(\.|$)|/lib(Qt|qt)' <<<"$files" || true)
[ -z "$bundled" ] || problem "libraries bundled that Debian ships: $bundled"
grep -q '^-rwxr-xr-x /usr/bin/bokushomaru$' "$tmp/listing" || problem "the program is not mode 755"

# --- control fields: the libraries dpkg-shlibdeps found, and the faces and
# translations no library brings
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = bokushomaru ] || problem "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || problem "Version is $(field Version), not $version"
depends=$(field Depends)
echo "Depends: $depends"
for d in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libcups2 \
  fonts-klee fonts-ipaexfont fonts-morisawa-bizud-mincho qt6-translations-l10n; do
  grep -Eq "(^|, )$d( |,|$)" <<<"$depends" || problem "Depends lacks $d"
done
for f in Maintainer Section Description; do
  [ -n "$(field $f)" ] || problem "no $f field"
done

# --- the desktop entry and the man page as installed
mkdir "$tmp/x"
dpkg-deb -x "$deb" "$tmp/x"
desktop="$tmp/x/usr/share/applications/jp.kurofude.bokushomaru.desktop"
grep -qx 'Exec=bokushomaru --desktop' "$desktop" || problem "the menu entry does not start with --desktop"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || problem "desktop-file-validate rejects the menu entry"
fi
man_warnings=$(MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
  "$tmp/x/usr/share/man/man1/bokushomaru.1.gz" 2>&1 >/dev/null)
[ -z "$man_warnings" ] || problem "the installed man page renders with warnings: $man_warnings"

# --- lintian: no errors and no warnings; its notes are shown
if command -v lintian >/dev/null; then
  lintian --allow-root --fail-on error,warning -I "$deb" >"$tmp/lintian" 2>&1 ||
    problem "lintian: $(cat "$tmp/lintian")"
  echo "lintian: $(grep -c . "$tmp/lintian" || true) notes"
  cat "$tmp/lintian"
else
  problem "lintian is not installed (install-deps.sh --tests)"
fi

# --- Debian 12's archive can satisfy every dependency
if command -v apt-get >/dev/null; then
  apt-get install -s -q "$deb" >"$tmp/apt" 2>&1 || problem "apt-get cannot install it: $(cat "$tmp/apt")"
fi

# --- install into a throwaway root with its own dpkg database; the
# libraries and fonts come from this machine, so only the package's own files
# are new there
root="$tmp/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
dpkg_root() {
  dpkg --root="$root" --admindir="$root/var/lib/dpkg" --log=/dev/null \
    --force-not-root --force-depends --force-script-chrootless "$@"
}
dpkg_root -i "$deb" >"$tmp/dpkg" 2>&1 || problem "dpkg -i into a throwaway root: $(cat "$tmp/dpkg")"
dpkg_root -s bokushomaru 2>/dev/null | grep -q '^Status: install ok installed' ||
  problem "the throwaway root does not hold it installed"
program="$root/usr/bin/bokushomaru"
work="$tmp/work"
mkdir "$work"
(
  cd "$work"
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
  "$program" --help >"$tmp/help" || echo "FAIL: --help exits $?" >&2
  grep -q 'bokushomaru print' "$tmp/help" || echo "FAIL: --help says nothing of print" >&2
  [ "$("$program" search 川)" = "一年 35" ] || echo "FAIL: search 川" >&2
  "$program" print --pdf "$work/yama.pdf" 山川 || echo "FAIL: print --pdf exits $?" >&2
  [ "$(head -c 5 "$work/yama.pdf" 2>/dev/null)" = "%PDF-" ] || echo "FAIL: print --pdf wrote no PDF" >&2
  # A CUPS queue of the test machine's own spooler, when the caller names one.
  if [ -n "${BKS_PACKAGE_PRINTER:-}" ]; then
    "$program" print --printer "$BKS_PACKAGE_PRINTER" 山 || echo "FAIL: print --printer exits $?" >&2
  fi
  # The installed program finds the stroke data the package put beside it.
  "$program" strokes 山 >"$tmp/strokes" || echo "FAIL: strokes 山 exits $?" >&2
  [ "$(head -n 1 "$tmp/strokes")" = 3 ] || echo "FAIL: strokes 山: $(cat "$tmp/strokes")" >&2
  "$program" print --pdf "$work/kakijun.pdf" --stroke-order 山川 || echo "FAIL: print --stroke-order exits $?" >&2
  [ "$(head -c 5 "$work/kakijun.pdf" 2>/dev/null)" = "%PDF-" ] || echo "FAIL: print --stroke-order wrote no PDF" >&2
) 2>"$tmp/run-errors"
if grep -q '^FAIL' "$tmp/run-errors"; then
  problem "the installed program: $(cat "$tmp/run-errors")"
fi
dpkg_root -r bokushomaru >"$tmp/dpkg" 2>&1 || problem "dpkg -r: $(cat "$tmp/dpkg")"
left=$(find "$root/usr" -type f 2>/dev/null || true)
[ -z "$left" ] || problem "files left after removal: $left"

if [ "$fail" -eq 0 ]; then
  echo "package checks passed"
fi
exit "$fail"
