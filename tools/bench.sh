#!/usr/bin/env bash
# Benchmarks: the core's listing hot path natively (Google Benchmark), then the listing
# scenario under Wine on folders of 10,000 and 100,000 files: enumeration alone against the
# program's whole path from OpenFolder to the status line. Nothing here is a test.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tools/deps.sh

cmake --preset native >/dev/null
cmake --build --preset native -j2 --target tabora_bench
build/native/bench/tabora_bench --benchmark_min_time=0.2

cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target tabora_listing_scenario
folders=build/bench-folders
mkdir -p "$folders"
for n in 10000 100000; do
    dir="$folders/files$n"
    if [ ! -d "$dir" ] || [ "$(find "$dir" -maxdepth 1 -type f | wc -l)" -ne "$n" ]; then
        rm -rf "$dir"
        mkdir -p "$dir"
        (cd "$dir" && seq -f 'file%06g.txt' 1 "$n" | xargs touch)
    fi
    echo "== $n files (Wine)"
    tools/wine-run.sh build/windows build/windows/bin/tabora_listing_scenario.exe \
        "Z:$(realpath "$dir" | tr / '\\')" 3
done
