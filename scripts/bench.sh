#!/usr/bin/env bash
# Runs the benchmarks and prints their figures (run by `make bench`): those under Wine, then the
# native ones. Builds the program and the benchmark programs of the build that runs here, unless
# ZORBEL_BUILD_DIR names a build to take them from (with ZORBEL_EXE for the program).
# Every run gets a fresh copy of the Windows 10 template prefix (so Zorbel! takes its first-run
# path) and a virtual display of its own, so that 200 benchmark windows never land on a real
# desktop and nothing else on the display disturbs the timings.
#   ZORBEL_BENCH_WINDOWS  windows listed by the rebuild benchmark (default 200)
#   ZORBEL_BENCH_RUNS     timed rebuilds per figure (default 50)
#   ZORBEL_BENCH_STARTS   starts of Zorbel!.exe per figure (default 7)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
zorbel_wine_detect
[ -n "${ZORBEL_WINE_ANNOUNCED:-}" ] || zorbel_wine_announce
# The build whose programs run here: the shipped i686 one, or x86_64 on hosts that run only
# 64-bit code (ZORBEL_WINE_ARCH forces one).
preset=$(zorbel_wine_preset)
dist=$root/dist
[ "$preset" = win32 ] || dist=$root/build/$preset/dist
build=${ZORBEL_BUILD_DIR:-$root/build/$preset}
program=${ZORBEL_EXE:-$dist/Zorbel!.exe}
windows=${ZORBEL_BENCH_WINDOWS:-200}
runs=${ZORBEL_BENCH_RUNS:-50}
starts=${ZORBEL_BENCH_STARTS:-7}

wine_benches="menu_rebuild_win startup_win monitor_repin_win tree_fill_win capture_output_win mouseup_clipboard_win"
native_benches="settings_bench wheel_hook_bench"
native_programs="png_encoding_bench"
if [ -z "${ZORBEL_BUILD_DIR:-}" ]; then
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "${JOBS:-2}" --target zorbel $wine_benches >/dev/null
    cmake --preset native >/dev/null
    cmake --build --preset native -j "${JOBS:-2}" --target $native_benches $native_programs >/dev/null
fi
missing=0
for file in "$program" $(for b in $wine_benches; do echo "$build/$b.exe"; done); do
    if [ ! -f "$file" ]; then
        echo "missing: $file" >&2
        missing=1
    fi
done
[ "$missing" -eq 0 ] || exit 1

source "$root/scripts/display.sh"
prefix=$root/build/bench-prefix
cleanup() {
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
    zorbel_stop_display
}
trap cleanup EXIT
unset DISPLAY # a display of our own, as large as a 4K monitor for the capture figures
ZORBEL_XVFB_SCREEN=3840x2160x24 zorbel_need_display
zorbel_wine_fresh_prefix win10 "$prefix"

# Z: is the Unix root in every Wine prefix.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

echo "== tray menu rebuild ($windows windows, $runs rebuilds per figure)"
wine "$build/menu_rebuild_win.exe" "$windows" "$runs"
WINEPREFIX=$prefix wineserver -w

echo "== start-up to tray icon ($starts starts per figure)"
wine "$build/startup_win.exe" "$(windows_path "$program")" "$starts"
WINEPREFIX=$prefix wineserver -w

echo "== window monitor's share of a rebuild (200 windows, 50 rules)"
wine "$build/monitor_repin_win.exe"
WINEPREFIX=$prefix wineserver -w

echo "== window tree fill (2,000 windows)"
wine "$build/tree_fill_win.exe"
WINEPREFIX=$prefix wineserver -w

echo "== capture output (screen copy, encoders, clipboard)"
wine "$build/capture_output_win.exe"
WINEPREFIX=$prefix wineserver -w

echo "== mouse-up to clipboard (region capture through the program)"
wine "$build/mouseup_clipboard_win.exe" "$(windows_path "$program")"
WINEPREFIX=$prefix wineserver -w

# Native figures, when the native build made them (they need no Wine).
for bench in $native_benches; do
    [ -x "$root/build/native/$bench" ] || continue
    echo "== $bench (native, one core)"
    taskset -c 0 "$root/build/native/$bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
done
# The encoders use every core, as they do in the program.
for bench in $native_programs; do
    [ -x "$root/build/native/$bench" ] || continue
    echo "== $bench (native, every core)"
    "$root/build/native/$bench"
done
