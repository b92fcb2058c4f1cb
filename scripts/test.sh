#!/usr/bin/env bash
# Sets up everything and runs every test layer:
#   1. native unit tests (AddressSanitizer + UBSan)
#   2. the fuzz targets, for a bounded time (ZORBEL_FUZZ_SECONDS, default 60 each)
#   3. the 64-bit build (compiled only, warning-free)
#   4. the Win32 tests and the end-to-end tests of Zorbel!.exe under Wine (Xvfb when no display):
#      of the i686 build where Wine's 32-bit loader runs, with the x86_64 build's Win32 tests
#      too; of the x86_64 build where only the 64-bit loader runs (see scripts/wine-env.sh)
# Ends with a line naming the architecture the Wine tests exercised, then one
# "N passed, M failed" line, and a non-zero status when anything failed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${JOBS:-2}
fuzz_seconds=${ZORBEL_FUZZ_SECONDS:-60}
logs=$root/build/test-logs
mkdir -p "$logs"

bash scripts/setup-deps.sh || exit 1
source scripts/display.sh
source scripts/wine-env.sh
zorbel_wine_detect || exit 1
zorbel_wine_announce
bash scripts/fetch-deps.sh i686 build/_deps || exit 1
bash scripts/fetch-deps.sh x86_64 build/_deps || exit 1

passed=0
failed=0
broken=()
# Tests that failed once and passed when run again: named in the summary, so that a fault that
# comes and goes is seen rather than hidden by the second run.
second_runs=()
last_failed=() # the tests the last run_ctest reported failing

# Runs one ctest invocation and adds its counts to the totals.
run_ctest() {
    local name=$1
    shift
    local log=$logs/$name.log
    last_failed=()
    echo "== $name"
    ctest "$@" --output-on-failure 2>&1 | tee "$log" | grep -E '^(\s*[0-9]+/[0-9]+ Test|.*tests passed|.*Failed|The following)' || true
    local summary
    summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$summary" ]; then
        echo "$name: no test ran"
        broken+=("$name")
        failed=$((failed + 1))
        return
    fi
    local total bad
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
    bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$summary")
    mapfile -t last_failed < <(sed -n '/^The following tests FAILED:/,$p' "$log" |
        sed -nE 's/^[[:space:]]*[0-9]+ - (.+) \([^)]*\)[[:space:]]*$/\1/p')
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    [ "$bad" -eq 0 ] || broken+=("$name")
}

build() {
    local preset=$1
    shift
    echo "== build $preset"
    if ! { cmake --preset "$preset" "$@" >"$logs/configure-$preset.log" 2>&1 &&
           cmake --build --preset "$preset" -j "$jobs" >"$logs/build-$preset.log" 2>&1; }; then
        tail -n 60 "$logs/configure-$preset.log" "$logs/build-$preset.log"
        broken+=("build-$preset")
        failed=$((failed + 1))
        return 1
    fi
}

# The tests that Wine itself is known to fail now and then: those listed, each with what Wine
# does, under "Tests that get a second run" in docs/WINE-NOTES.md. No other test is run again.
known_flakes() {
    sed -n '/^## Tests that get a second run/,/^## /p' docs/WINE-NOTES.md | sed -nE 's/^- `([^`]+)`.*/\1/p'
}

# Runs each known flake that failed in the last run_ctest once more, alone; one that passes then
# counts as passed and is named in the summary:   retry_known_flakes NAME CTEST-ARGS...
retry_known_flakes() {
    local name=$1 test flakes still=0
    shift
    [ ${#last_failed[@]} -gt 0 ] || return 0
    flakes=$(known_flakes)
    for test in "${last_failed[@]}"; do
        if ! grep -qxF -- "$test" <<<"$flakes"; then
            still=$((still + 1))
            continue
        fi
        echo "$name: $test failed, a known Wine flake (docs/WINE-NOTES.md): running it again"
        if ctest "$@" --output-on-failure -R "^$(sed 's/[][\\.^$*+?(){}|]/\\&/g' <<<"$test")\$" \
            >>"$logs/$name.again.log" 2>&1; then
            passed=$((passed + 1))
            failed=$((failed - 1))
            second_runs+=("$test")
        else
            still=$((still + 1))
        fi
    done
    if [ "$still" -eq 0 ]; then
        local kept=() entry
        for entry in "${broken[@]}"; do [ "$entry" = "$name" ] || kept+=("$entry"); done
        broken=("${kept[@]}")
    fi
}

# Runs one build's tests under Wine, with a wineserver of its own for the whole run (every Win32
# test case is a process of its own, and a cold server costs each of them two seconds):
#   wine_ctest NAME ARCH CTEST-ARGS...
wine_ctest() {
    local name=$1 arch=$2
    shift 2
    export ZORBEL_WINE_ARCH=$arch
    unset WINEPREFIX
    if ! zorbel_wine_prefix; then
        echo "$name: cannot prepare a Wine prefix for $arch"
        broken+=("$name")
        failed=$((failed + 1))
        return
    fi
    wineserver -p
    run_ctest "$name" "$@"
    retry_known_flakes "$name" "$@"
    wineserver -k 2>/dev/null || true
    unset WINEPREFIX
}

# Runs a Win32 test program once, all its cases in one process (seconds instead of a process per
# case), and adds GoogleTest's counts to the totals. As under ctest, a failed case gets a second
# run, alone in a process of its own; a real fault fails both:   wine_gtest NAME ARCH PROGRAM
wine_gtest() {
    local name=$1 arch=$2 program=$3 log=$logs/$1.log total bad case
    echo "== $name"
    wine_gtest_run() {
        (
            export ZORBEL_WINE_ARCH=$arch
            unset WINEPREFIX
            zorbel_wine_prefix || exit 1
            wineserver -p
            timeout 600 bash scripts/wine-run.sh "$arch" "$program" "$@"
            status=$?
            wineserver -k 2>/dev/null
            exit $status
        )
    }
    wine_gtest_run >"$log" 2>&1
    total=$(sed -nE 's/^\[==========\] ([0-9]+) tests? from .* ran\..*/\1/p' "$log" | tail -n 1)
    if [ -z "$total" ]; then
        echo "$name: no test ran"
        tail -n 20 "$log"
        broken+=("$name")
        failed=$((failed + 1))
        return
    fi
    bad=0
    for case in $(sed -nE 's/^\[  FAILED  \] ([A-Za-z0-9_/.]+)( \(.*)?\r?$/\1/p' "$log" | sort -u); do
        if wine_gtest_run --gtest_filter="$case" >>"$log.again" 2>&1; then
            echo "$name: $case failed in the shared run and passed alone"
            second_runs+=("$name: $case (alone)")
        else
            echo "$name: $case failed"
            bad=$((bad + 1))
        fi
    done
    echo "$name: $((total - bad)) of $total passed"
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    [ "$bad" -eq 0 ] || broken+=("$name")
}

# The checks of the shipped file that need no Wine, run directly where its build cannot run.
static_checks() {
    local script name
    for script in tests/e2e/*_test.sh; do
        grep -qE '^e2e_begin [a-z0-9]+ no-wine' "$script" || continue
        name=$(basename "$script" .sh)
        if ZORBEL_EXE="$root/build/win32/Zorbel!.exe" ZORBEL_BUILD_DIR=$root/build/win32 \
            ZORBEL_SOURCE_DIR=$root bash "$script" >"$logs/static-$name.log" 2>&1; then
            passed=$((passed + 1))
            echo "static $name: passed"
        else
            failed=$((failed + 1))
            broken+=("static-$name")
            tail -n 20 "$logs/static-$name.log"
        fi
    done
}

build native && run_ctest native --test-dir build/native -j "$jobs"
build fuzz -DZORBEL_FUZZ_SECONDS="$fuzz_seconds" && run_ctest fuzz --test-dir build/fuzz -j "$jobs"
built64=0
build win64 && built64=1 && passed=$((passed + 1))
built32=0
build win32 && built32=1

if [ $built32 = 1 ] || [ $built64 = 1 ]; then
    zorbel_need_display || exit 1
    trap 'zorbel_stop_display' EXIT
fi
host_arch=$ZORBEL_WINE_ARCH
if [ "$host_arch" = i686 ]; then
    [ $built32 = 1 ] && wine_ctest win32 i686 --test-dir build/win32
    # The x86_64 build's Win32 tests too, so that the 64-bit path never rots.
    [ $built64 = 1 ] && wine_gtest win32-x86_64 x86_64 build/win64/zorbel_win32_tests.exe
    exercised="i686 (Win32 and end-to-end tests), x86_64 (Win32 tests)"
else
    [ $built32 = 1 ] && static_checks
    [ $built64 = 1 ] && wine_ctest win64 x86_64 --test-dir build/win64
    exercised="x86_64 (Win32 and end-to-end tests; the i686 product is built and checked, not run)"
fi

echo
[ ${#broken[@]} -eq 0 ] || echo "failing: ${broken[*]} (logs in build/test-logs)"
for entry in "${second_runs[@]}"; do echo "passed only on its second run: $entry"; done
echo "wine: the Wine tests exercised $exercised"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
