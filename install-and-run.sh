#!/usr/bin/env bash
# Installs what is needed, builds build/bokushomaru and opens the window.
set -euo pipefail
cd "$(dirname "$0")"
./install-deps.sh
# The developer configuration without its tests and benchmarks, whose
# libraries only install-deps.sh --tests brings.
cmake --preset dev -DBKS_BUILD_TESTS=OFF -DBKS_BUILD_BENCH=OFF
cmake --build --preset dev --target bokushomaru
exec ./build/bokushomaru "$@"
