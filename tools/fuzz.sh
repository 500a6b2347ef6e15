#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz": host g++, ASan/UBSan) and runs each on its seed
# corpus for the given seconds (default 60), one after the other.
#   tools/fuzz.sh [seconds] [target...]
# FUZZ_RUNS=N ends each target after N executions instead (seconds then only bound it).
# FUZZ_KEEP=1 keeps each target's pool in build/fuzz/pool/<target> and starts from it: a long
# run cut off goes on from there the next time.
# A finding stops that target: the sanitizer's or the property's report is printed and the
# input that caused it is left in build/fuzz/findings/fuzz-finding-<target>. Exits non-zero
# when any target had a finding.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

seconds=${1:-60}
shift || true
targets=("$@")
# Every target by default: one per fuzz/<name>_fuzz.cpp.
if ((${#targets[@]} == 0)); then
    for source in fuzz/*_fuzz.cpp; do
        name=${source#fuzz/}
        targets+=("${name%_fuzz.cpp}")
    done
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 >/dev/null

mkdir -p build/fuzz/findings
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
failed=0
for target in "${targets[@]}"; do
    program=$PWD/build/fuzz/fuzz/tabora_fuzz_$target
    inputs=("$PWD/fuzz/corpus/$target")
    if [[ -n ${FUZZ_KEEP:-} ]]; then
        kept=$PWD/build/fuzz/pool/$target
        mkdir -p "$kept"
        inputs+=(-keep "$kept" "$kept")
    fi
    (cd build/fuzz/findings && "$program" -seconds "$seconds" ${FUZZ_RUNS:+-runs "$FUZZ_RUNS"} \
        -seed "$RANDOM" "${inputs[@]}") || {
        echo "fuzz: $target FAILED" >&2
        failed=1
    }
done
exit "$failed"
