#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: the unit,
# window and PDF tests under CTest (with a real CUPS queue when cupsd can be
# started), after a short bounded fuzzing run; then the same suite once more
# built with AddressSanitizer and UndefinedBehaviorSanitizer; last the release
# build, its Debian package and the package's checks. The builds and test runs
# are the presets of CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")"

# Runs one step and says how long it took.
step() {
  local start=$SECONDS
  echo "== $*"
  "$@"
  echo "== done in $((SECONDS - start)) s: $*"
}

./install-deps.sh --tests
if [ "$(id -u)" -eq 0 ]; then
  if bash .ci/cups-setup.sh; then
    export BKS_PACKAGE_PRINTER=bkstest  # the installed package prints there too
  else
    echo "cups: test queue not available, its test will be skipped"
  fi
fi
step cmake --preset dev
step cmake --build --preset dev
step bash fuzz/run.sh
step ctest --preset dev
step cmake --preset asan
step cmake --build --preset asan
step ctest --preset asan
step cmake --preset release
step cmake --build --preset release
step bash tests/package/package_test.sh build-release
