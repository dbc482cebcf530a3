#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# then fetches the data sets the build converts (tools/fetch-data.sh).
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev libcups2-dev
  fonts-klee fonts-ipaexfont fonts-morisawa-bizud-mincho
  openssl libsqlite3-dev zlib1g-dev kanjidic-xml edict
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(libgtest-dev libbenchmark-dev poppler-utils cups cups-client cups-bsd clang libclang-rt-14-dev
    clang-format lintian dpkg-dev man-db desktop-file-utils)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm fetches the data sets; an npm that came with another Node.js install does too.
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ "${#missing[@]}" -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
tools_dir="$(cd "$(dirname "$0")" && pwd)/tools"
sh "$tools_dir/fetch-data.sh"
