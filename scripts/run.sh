#!/usr/bin/env bash
# Runs dist/Zorbel!.exe under Wine (called by `make run` after the build).
#
# The program runs in its own prefix, build/wine/run, made once from the Windows 10 template and
# kept between runs (so are its settings), with dist/ as the working directory.
#   - With a usable DISPLAY it runs in the foreground: its icon appears in the tray (Wine's
#     "Wine System Tray" window) and the script returns when the program ends.
#   - Without one it starts Xvfb, opens the tray menu, saves a screenshot to
#     build/run-screenshot.png, leaves through the menu's Exit and prints the exit code.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
source "$root/scripts/display.sh"

program=$root/dist/Zorbel!.exe
driver=$root/build/win32/driver_win.exe
screenshot=$root/build/run-screenshot.png
prefix=$ZORBEL_WINE_ROOT/run

die() {
    echo "run: $*" >&2
    exit 1
}

[ -f "$program" ] || die "no $program; build it first with make"

make_prefix() {
    [ -f "$prefix/.ready" ] && return 0
    zorbel_wine_templates
    echo "run: making the Wine prefix $prefix (once)"
    rm -rf "$prefix" "$prefix.part"
    cp -a "$ZORBEL_WINE_ROOT/win10" "$prefix.part" && mv "$prefix.part" "$prefix" && touch "$prefix/.ready"
}
make_prefix || die "cannot make the prefix $prefix"
export WINEPREFIX=$prefix

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "run: Zorbel! runs on $DISPLAY; quit it with Exit in its tray icon's menu (Wine System Tray)."
    cd "$root/dist" || die "no dist folder"
    wine 'Zorbel!.exe'
    status=$?
    echo "run: Zorbel! ended with exit code $status"
    exit "$status"
fi

# No display: a virtual one, and the driver to work the tray menu.
if [ ! -f "$driver" ]; then
    echo "run: building the driver"
    cmake --build --preset win32 --target driver_win >/dev/null || die "cannot build the driver"
fi
zorbel_need_display || die "cannot start Xvfb"
pid=""
cleanup() {
    # Only when something went wrong is the program still running: end it with its prefix.
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        wineserver -k 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    zorbel_stop_display
}
trap cleanup EXIT
echo "run: no display; started Xvfb on $DISPLAY"

drive() { wine "$driver" "$@" | tr -d '\r'; }

(cd "$root/dist" && exec wine 'Zorbel!.exe') &
pid=$!
core=$(drive find-core 30000) || die "the program did not create its core window within 30 s"
echo "run: Zorbel! is running (core window $core)"
# The first tray menu is built on the first timer tick, a second after start-up.
sleep 1.5
drive open-tray || die "cannot reach the tray icon"
drive menu-visible 5000 >/dev/null || die "the tray menu did not open"
sleep 1
rm -f "$screenshot"
import -window root "$screenshot" || die "import could not take the screenshot"
[ -s "$screenshot" ] || die "the screenshot is empty"
echo "run: screenshot of the open tray menu: $screenshot"

# Exit is the menu's last item; Up from no selection selects it.
drive keys up enter
for _ in $(seq 1 150); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && die "the program still runs 15 s after Exit"
wait "$pid"
status=$?
echo "run: Zorbel! ended through Exit with exit code $status"
# Let Wine's own processes (the desktop with the tray) leave before their X server goes.
timeout 20 wineserver -w 2>/dev/null
exit "$status"
