#!/usr/bin/env bash
# Benchmarks: the core's listing hot path natively (Google Benchmark), then the listing
# scenario under Wine on folders of 1,000 to 300,000 files, with the display limit off and on:
# enumeration alone against the program's whole path from OpenFolder to the status line, and
# the peak working set per entry. Nothing here is a test.
# Usage: tools/bench.sh [native|wine] [SIZES...]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tools/deps.sh
part=${1:-all}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 10000 100000 300000)

if [ "$part" != wine ]; then
    cmake --preset native >/dev/null
    cmake --build --preset native -j2 --target tabora_bench
    build/native/bench/tabora_bench --benchmark_min_time=0.2 --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true
fi
[ "$part" != native ] || exit 0

cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target tabora_listing_scenario
folders=build/bench-folders
mkdir -p "$folders"
for n in "${sizes[@]}"; do
    dir="$folders/files$n"
    if [ ! -d "$dir" ] || [ "$(find "$dir" -maxdepth 1 -type f | wc -l)" -ne "$n" ]; then
        rm -rf "$dir"
        mkdir -p "$dir"
        (cd "$dir" && seq -f 'file%06g.txt' 1 "$n" | xargs touch)
    fi
    for limit in 0 1; do
        echo "== $n files, display limit $limit (Wine, 5 rounds)"
        tools/wine-run.sh build/windows build/windows/bin/tabora_listing_scenario.exe \
            "Z:$(realpath "$dir" | tr / '\\')" 5 "$limit"
    done
done
