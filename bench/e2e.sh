#!/usr/bin/env bash
# End-to-end benchmark: the command line beside an I/O floor program on the same corpus.
# Usage: bench/e2e.sh BUILD_DIR [N...]   (default N: 10000 100000)
# Each side runs REPEAT times (default 3); the fastest run counts, the peak memory is the largest.
set -euo pipefail
build=${1:?usage: bench/e2e.sh BUILD_DIR [N...]}
shift
[ $# -gt 0 ] || set -- 10000 100000
sizes=("$@")
work=${TESSIVANE_BENCH_DIR:-/tmp/tessivane-bench}
repeat=${REPEAT:-3}
mkdir -p "$work/config"

measure() {  # prints "seconds peak_kb" of the command: the fastest run, the largest peak
    local output=${*: -1}
    for ((i = 0; i < repeat; i++)); do
        rm -rf "$output"
        /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null
        cat "$work/time"
    done | sort -n | awk 'NR == 1 { s = $1 } $2 > kb { kb = $2 } END { print s, kb }'
}

printf '%-8s %-10s %-10s %-7s %-12s %-10s\n' N floor_s cli_s ratio pages_per_s peak_MB
for n in "${sizes[@]}"; do
    corpus="$work/corpus-$n"
    [ -d "$corpus" ] || "$build/bench/make_corpus" "$n" "$corpus"
    rm -rf "$work/floor" "$work/site"
    # Both sides start from a warm page cache; find, because 100,000 names overflow one command line.
    find "$corpus" -type f -exec cat {} + >/dev/null
    read -r floor_s _ < <(measure "$build/bench/io_floor" "$corpus" "$work/floor")
    read -r cli_s cli_kb < <(measure "$build/bin/tessivane-cli" -q --config-dir "$work/config" \
        --folder "$corpus" --set '目录过滤=*.htm' --set '生成文章系统首页：=真' --set 分页=50 \
        --seed 1 --output "$work/site")
    awk -v n="$n" -v f="$floor_s" -v c="$cli_s" -v kb="$cli_kb" 'BEGIN {
        printf "%-8d %-10.2f %-10.2f %-7.2f %-12.0f %-10.1f\n", n, f, c, (f > 0 ? c / f : 0), (c > 0 ? n / c : 0), kb / 1024 }'
    rm -rf "$work/floor" "$work/site"
done
