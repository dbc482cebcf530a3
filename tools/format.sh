#!/bin/sh
# Lays out every tracked C++ file by the repository's .clang-format.
#   tools/format.sh           rewrites the files in place
#   tools/format.sh --check   changes nothing; names each file that differs
#                             and exits non-zero when there is one
#   CLANG_FORMAT              the clang-format to run (default clang-format);
#                             .clang-format is tuned for release 14, and
#                             other releases lay some code out differently
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
clang_format=${CLANG_FORMAT:-clang-format}

case "${1:-}" in
    "") mode="-i" ;;
    --check) mode="--dry-run -Werror" ;;
    *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

cd "$repo"
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "$repo is not a git work tree: no list of tracked files" >&2
    exit 2
fi
# An empty list would make the check pass without looking at anything.
if [ -z "$(git ls-files -- '*.cpp' '*.h')" ]; then
    echo "no tracked C++ files in $repo" >&2
    exit 2
fi
# shellcheck disable=SC2086
git ls-files -z -- '*.cpp' '*.h' | xargs -0 "$clang_format" --style=file $mode
