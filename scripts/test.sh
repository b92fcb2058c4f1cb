#!/usr/bin/env bash
# Sets up everything and runs every test layer:
#   1. native unit tests (AddressSanitizer + UBSan)
#   2. the fuzz targets, for a bounded time (ZORBEL_FUZZ_SECONDS, default 60 each)
#   3. the 64-bit build (compiled only, warning-free)
#   4. the Win32 tests and the end-to-end tests of Zorbel!.exe under Wine (Xvfb when no display)
# Ends with one "N passed, M failed" line and a non-zero status when anything failed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${JOBS:-2}
fuzz_seconds=${ZORBEL_FUZZ_SECONDS:-60}
logs=$root/build/test-logs
mkdir -p "$logs"

bash scripts/setup-deps.sh || exit 1
bash scripts/fetch-deps.sh i686 build/_deps || exit 1
bash scripts/fetch-deps.sh x86_64 build/_deps || exit 1

source scripts/display.sh
source scripts/wine-env.sh
passed=0
failed=0
broken=()

# Runs one ctest invocation and adds its counts to the totals.
run_ctest() {
    local name=$1
    shift
    local log=$logs/$name.log
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

build native && run_ctest native --test-dir build/native -j "$jobs"
build fuzz -DZORBEL_FUZZ_SECONDS="$fuzz_seconds" && run_ctest fuzz --test-dir build/fuzz -j "$jobs"
build win64 && passed=$((passed + 1))

if build win32; then
    zorbel_need_display || exit 1
    trap 'zorbel_stop_display' EXIT
    zorbel_wine_prefix
    # One wineserver for the whole run: every Win32 test case is a process of its own, and a
    # cold server costs each of them two seconds.
    wineserver -p
    # Wine now and then fails to start a process or to end one; a case gets a second run, and a
    # real fault fails both.
    run_ctest win32 --test-dir build/win32 --repeat until-pass:2
    wineserver -k 2>/dev/null || true
fi

echo
[ ${#broken[@]} -eq 0 ] || echo "failing: ${broken[*]} (logs in build/test-logs)"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
