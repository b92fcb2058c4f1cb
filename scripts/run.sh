#!/usr/bin/env bash
# Runs Zorbel!.exe under Wine (called by `make run` after the build).
#
# Where Wine's 32-bit loader runs, that is the shipped 32-bit dist/Zorbel!.exe; on a host that
# runs only 64-bit code it is the x86_64 build, build/win64/dist/Zorbel!.exe (built here when
# missing). ZORBEL_WINE_ARCH=i686|x86_64 forces one (scripts/wine-env.sh).
# The program runs in its own prefix, build/wine/<arch>/run, made once from the Windows 10
# template and kept between runs (so are its settings), with the program's folder as the working
# directory.
#   - With a usable DISPLAY it runs in the foreground: its icon appears in the tray (Wine's
#     "Wine System Tray" window) and the script returns when the program ends.
#   - Without one it starts Xvfb with a window manager (scripts/display.sh) and a few Notepad
#     windows, opens the tray menu with the first window's submenu, saves a screenshot to
#     build/run-screenshot.png, leaves through the menu's Exit and prints the exit code.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
source "$root/scripts/display.sh"

die() {
    echo "run: $*" >&2
    exit 1
}

zorbel_wine_detect || die "Wine cannot run Windows programs here"
[ -n "${ZORBEL_WINE_ANNOUNCED:-}" ] || zorbel_wine_announce
preset=$(zorbel_wine_preset)
if [ "$preset" = win32 ]; then
    program=$root/dist/Zorbel!.exe
else
    program=$root/build/win64/dist/Zorbel!.exe
fi
driver=$root/build/$preset/driver_win.exe
screenshot=$root/build/run-screenshot.png
prefix=$(zorbel_wine_templates_dir)/run

if [ ! -f "$program" ] || [ ! -f "$driver" ]; then
    echo "run: building the $ZORBEL_WINE_ARCH program and the driver"
    { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "${JOBS:-2}" --target zorbel driver_win >/dev/null; } ||
        die "cannot build the $preset preset's Zorbel!.exe"
fi

make_prefix() {
    zorbel_wine_prefix_ready "$prefix" && return 0
    zorbel_wine_templates || return 1
    echo "run: making the Wine prefix $prefix (once)"
    rm -rf "$prefix" "$prefix.part"
    cp -a "$(zorbel_wine_templates_dir)/win10" "$prefix.part" || return 1
    rm -f "$prefix.part/.ready"
    mv "$prefix.part" "$prefix" && zorbel_wine_mark_ready "$prefix"
}
make_prefix || die "cannot make the prefix $prefix"
export WINEPREFIX=$prefix

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "run: Zorbel! runs on $DISPLAY; quit it with Exit in its tray icon's menu (Wine System Tray)."
    cd "$(dirname "$program")" || die "no folder $(dirname "$program")"
    wine 'Zorbel!.exe'
    status=$?
    echo "run: Zorbel! ended with exit code $status"
    exit "$status"
fi

# No display: a virtual one, and the driver to work the tray menu.
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
echo "run: no display; started Xvfb on $DISPLAY${zorbel_wm_pid:+ with a window manager}"

# The driver's output goes through a file: Wine's services, started by whichever program comes
# first, inherit it and would hold a pipe open.
drive() {
    local out status
    out=$(mktemp)
    wine "$driver" "$@" >"$out" 2>&1
    status=$?
    tr -d '\r' <"$out"
    rm -f "$out"
    return "$status"
}

# A few ordinary windows for the menu to list: Notepad with three documents.
notes=$WINEPREFIX/drive_c/users/Public/Documents
mkdir -p "$notes"
for title in "Shopping list" "Meeting notes" "Travel plans"; do
    printf 'Zorbel! lists this window.\r\n' >"$notes/$title.txt"
    wine notepad "C:\\users\\Public\\Documents\\$title.txt" </dev/null >/dev/null 2>&1 &
done
for _ in $(seq 1 100); do
    [ "$(drive windows | grep -c ' - Notepad"$')" -ge 3 ] && break
    sleep 0.2
done
echo "run: Notepad windows: $(drive windows | grep -c ' - Notepad"$')"

(cd "$(dirname "$program")" && wine 'Zorbel!.exe') &
pid=$!
core=$(drive find-core 30000) || die "the program did not create its core window within 30 s"
echo "run: Zorbel! is running (core window $core)"
# The first tray menu is built on the first timer tick, a second after start-up.
sleep 1.5
drive open-tray || die "cannot reach the tray icon"
drive menu-visible 5000 >/dev/null || die "the tray menu did not open"
# The first listed window is Wine's tray, made last; Down Down selects the next one, a
# Notepad, and Right opens its submenu.
drive keys down down right
sleep 1
rm -f "$screenshot"
import -window root "$screenshot" || die "import could not take the screenshot"
[ -s "$screenshot" ] || die "the screenshot is empty"
echo "run: screenshot of the open tray menu: $screenshot"

# Close the menu and open it afresh: Exit is its last item, and Up from no selection selects it.
drive keys escape escape
drive menu-gone 3000 >/dev/null || die "the tray menu did not close"
drive open-tray || die "cannot reach the tray icon"
drive menu-visible 5000 >/dev/null || die "the tray menu did not open again"
drive keys up enter
for _ in $(seq 1 150); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && die "the program still runs 15 s after Exit"
wait "$pid"
status=$?
echo "run: Zorbel! ended through Exit with exit code $status"
# The Notepad windows go with the prefix's other processes, before their X server goes.
wineserver -k 2>/dev/null
timeout 20 wineserver -w 2>/dev/null
exit "$status"
