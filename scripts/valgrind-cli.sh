#!/usr/bin/env bash
# Runs tessivane-cli under valgrind's memcheck over the bundled sample sites; non-zero on any error.
# Usage: scripts/valgrind-cli.sh [BUILD_DIR]   (without one, builds build/valgrind with debug info)
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v valgrind >/dev/null; then
    echo "valgrind-cli: valgrind is not installed" >&2
    exit 2
fi

build=${1:-}
if [[ -z "$build" ]]; then
    build=build/valgrind
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=OFF \
          -DTESSIVANE_BUILD_BENCH=OFF -DTESSIVANE_BUILD_APP=OFF >/dev/null
fi
cmake --build "$build" --target tessivane-cli
cli=$build/bin/tessivane-cli

site=$(mktemp -d)
trap 'rm -rf "$site"' EXIT

memcheck=(valgrind --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite
          --track-origins=yes)
status=0
# run EXPECTED_EXIT WHAT ARGS...: memcheck's own errors exit 99, anything unexpected fails too.
run() {
    local expected=$1 what=$2 code=0
    shift 2
    echo "== $what =="
    "${memcheck[@]}" "$cli" -q --config-dir examples/settings --seed 7 "$@" >/dev/null || code=$?
    if [[ $code -ne $expected ]]; then
        echo "valgrind-cli: FAILED ($what): exit $code, expected $expected" >&2
        status=1
    fi
}

run 0 "plain-text articles" --folder examples/articles/text --output "$site/text"
run 0 "HTML pages, title rewrite" --folder examples/articles/pages --output "$site/pages" \
    --set 目录过滤='*.htm' --set 标题来源=1 --set 替换标题=真
run 0 "titles only" --titles --folder examples/articles/text
run 1 "pages that cannot be written" --folder examples/articles/text --output "$site/text/index.htm"

if [[ $status -eq 0 ]]; then
    echo "valgrind-cli: clean"
fi
exit $status
