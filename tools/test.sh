#!/usr/bin/env bash
# The one test command: installs what is missing, then configures, builds and tests both
# builds: native (the portable core) and windows (MinGW programs run under Wine), and gives
# each fuzz target of the core a few seconds.
# Exits non-zero if any step failed; the windows layer runs even when the native one failed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

tools/deps.sh

failed=0
timings=()
declare -A summary

# step NAME COMMAND...: runs and times one step; its status is the command's.
step() {
    local name=$1 start=$SECONDS rc=0
    shift
    echo "==> $name" >&2
    "$@" || rc=$?
    timings+=("$(printf '  %-20s %5ds  %s' "$name" $((SECONDS - start)) \
        "$( ((rc == 0)) && echo ok || echo "FAILED (exit $rc)")")")
    ((rc == 0)) || failed=1
    return "$rc"
}

# run_ctest LAYER [LAUNCHER...]: ctest for one preset, its output also kept in a log so
# that the summary can be repeated at the end.
run_ctest() {
    local layer=$1 rc=0
    shift
    local log=build/$layer/ctest.log
    exec {tee_in}> >(exec tee "$log")
    local tee_pid=$!
    # --no-tests=error: a layer that runs nothing has not passed. Serial for windows: the
    # Wine programs share one prefix and one screen.
    local jobs=()
    [[ $layer == windows ]] && jobs=(-j1)
    "$@" ctest --preset "$layer" --no-tests=error "${jobs[@]}" >&"$tee_in" 2>&1 || rc=$?
    exec {tee_in}>&-
    if [[ $layer == windows ]]; then
        # A Wine process that outlived its test (killed on timeout) would keep the output
        # open, and the wineserver with it.
        WINEPREFIX=$PWD/build/windows/wine-prefix wineserver -k 2>/dev/null || true
    fi
    wait "$tee_pid" || true
    # ctest's closing lines: the counts and the names of the tests that failed.
    summary[$layer]=$(sed -n '/tests passed, .* tests failed out of/,$p' "$log" | grep -v '^$' ||
        true)
    [[ -n ${summary[$layer]} ]] || summary[$layer]=$(tail -n 3 "$log")
    return "$rc"
}

# Without a display of our own, one Xvfb serves the whole windows run: every Wine program
# in it, and the screenshots the end-to-end tests take, see the same screen.
display=()
[[ -n ${DISPLAY:-} ]] || display=(xvfb-run -a -s "-screen 0 1280x1024x24")

# The tests may save BMP screenshots; PNG is what a person (and an image viewer) reads.
convert_screenshots() {
    local dir=build/windows/screenshots bmp convert=convert rc=0
    [[ -d $dir ]] || return 0
    [[ -x /usr/bin/convert ]] && convert=/usr/bin/convert
    while IFS= read -r -d '' bmp; do
        if "$convert" "$bmp" "${bmp%.bmp}.png"; then rm -f "$bmp"; else rc=1; fi
    done < <(find "$dir" -name '*.bmp' -print0)
    return "$rc"
}

# Each layer stops at its first failed step; the other layer runs all the same.
native_layer() {
    step "native configure" cmake --preset native &&
        step "native build" cmake --build --preset native -j2 &&
        step "native test" run_ctest native
}
windows_layer() {
    # The Wine prefix is made before the build: test discovery may already run programs,
    # and the one-time setup (10-20 s) is then no part of any test's time.
    step "windows configure" cmake --preset windows &&
        step "wine prefix" tools/wine-run.sh build/windows wineboot &&
        step "windows build" cmake --build --preset windows -j2 &&
        step "windows test" run_ctest windows "${display[@]}"
}
# Every C++ file as .clang-format lays it out; the names of those that are not are printed.
check_format() {
    local files
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
    clang-format --dry-run -Werror "${files[@]}"
}
# The core's tests once more with the address and undefined-behaviour sanitizers: a stray
# read or an overflow that happens to give the right answer natively shows up here.
sanitize_layer() {
    step "sanitize configure" cmake --preset sanitize &&
        step "sanitize build" cmake --build --preset sanitize -j2 &&
        step "sanitize test" run_ctest sanitize
}
step "format" check_format || true
native_layer || true
sanitize_layer || true
# A few seconds of each fuzz target (ASan/UBSan build of the core): a smoke run, not a search.
step "fuzz smoke" tools/fuzz.sh 2 || true
windows_layer || true
step "screenshots to PNG" convert_screenshots || true

passed=0
failures=0
echo
echo "==> Summary"
printf '%s\n' "${timings[@]}"
# The sanitized layer runs the native tests again: its failures count, its passes do not.
for layer in native sanitize windows; do
    echo "-- $layer"
    text=${summary[$layer]:-"(not run)"}
    echo "$text"
    if [[ $text =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
        failures=$((failures + BASH_REMATCH[1]))
        [[ $layer == sanitize ]] || passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
    fi
done
echo "tests: $passed passed, $failures failed"
exit "$failed"
