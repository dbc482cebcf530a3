#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: the unit,
# window and PDF tests under CTest (with a real CUPS queue when cupsd can be
# started), after a short bounded fuzzing run.
set -euo pipefail
cd "$(dirname "$0")"
./install-deps.sh --tests
if [ "$(id -u)" -eq 0 ]; then
  bash .ci/cups-setup.sh || echo "cups: test queue not available, its test will be skipped"
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBKS_BUILD_TESTS=ON -DBKS_BUILD_BENCH=ON
cmake --build build
bash fuzz/run.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure
