#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each for a bounded time over the corpus.
#
# Usage: scripts/fuzz.sh [seconds per target (30)] [target ...]   targets: text ini decoders regex
# New inputs go to a temporary folder, so the corpus kept in fuzz/corpus stays as committed.
# Crash inputs are left in build/fuzz/artifacts. Exits non-zero when any target fails.
set -uo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(text ini decoders regex)
fi

build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTESSIVANE_FUZZ=ON -DTESSIVANE_BUILD_APP=OFF -DBUILD_TESTING=OFF -DTESSIVANE_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined >/dev/null || exit 1
cmake --build "$build" --target "${targets[@]/#/fuzz_}" || exit 1

artifacts="$build/artifacts"
mkdir -p "$artifacts"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

failed=()
for target in "${targets[@]}"; do
    echo "== fuzz_$target for ${seconds}s"
    mkdir -p "$scratch/$target"
    if ! UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 "$build/fuzz/fuzz_$target" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$scratch/$target" "fuzz/corpus/$target" \
        >"$scratch/$target.log" 2>&1; then
        failed+=("$target")
        tail -n 40 "$scratch/$target.log"
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "$scratch/$target.log" || true
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz targets failed: ${failed[*]} (inputs in $artifacts)"
    exit 1
fi
echo "all fuzz targets ran clean"
