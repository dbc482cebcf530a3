#!/usr/bin/env bash
# Installs what is needed, builds build/bokushomaru and opens the window.
set -euo pipefail
cd "$(dirname "$0")"
./install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBKS_BUILD_TESTS=OFF -DBKS_BUILD_BENCH=OFF
cmake --build build --target bokushomaru
exec ./build/bokushomaru "$@"
