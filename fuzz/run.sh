#!/bin/sh
# Builds the fuzz targets with clang in their own build folder and runs each
# for a bounded time on a copy of its seed corpus. Exits non-zero when a
# target crashes or a check fails; the input that did it is kept in the
# build folder as crash-*.
#   BKS_FUZZ_BUILD    build folder (default build-fuzz in the repository)
#   BKS_FUZZ_SECONDS  seconds per target (default 20)
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${BKS_FUZZ_BUILD:-$repo/build-fuzz}
seconds=${BKS_FUZZ_SECONDS:-20}
targets="environment datafile strokedata kanjifacts"

CC=clang CXX=clang++ cmake -G Ninja -S "$repo" -B "$build" \
    -DBKS_BUILD_FUZZ=ON -DBKS_BUILD_TESTS=OFF -DBKS_BUILD_BENCH=OFF >/dev/null
build_targets=""
for t in $targets; do build_targets="$build_targets fuzz_$t"; done
# shellcheck disable=SC2086
ninja -C "$build" -j2 $build_targets

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
for t in $targets; do
    # libFuzzer adds what it finds to the corpus folder: use a copy, never
    # the one in the source tree.
    mkdir -p "$work/$t"
    cp "$repo/fuzz/corpus/$t"/* "$work/$t/"
    echo "== fuzz_$t for ${seconds}s"
    "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="$build/fuzz/$t-" "$work/$t"
done
echo "== fuzzing found nothing"
