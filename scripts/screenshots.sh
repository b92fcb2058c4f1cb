#!/usr/bin/env bash
# Takes the README's pictures by driving the real Zorbel!.exe under Wine, on a virtual display of
# its own with a window manager (openbox), and keeps beside each tool window's picture the
# rectangles of its controls as the running program laid them out.
#
#   scripts/screenshots.sh [--out DIR] [--dpi N] [--docs DIR] [SHOT...]
#
#   --out DIR   where the full-size pictures and the control rectangles go (default
#               build/screenshots/<dpi>)
#   --dpi N     the prefix's DPI (LogPixels), 96 by default
#   --docs DIR  also writes each picture reduced to a 256-colour PNG into DIR (make screenshots
#               gives docs/images)
#   SHOT        any of: tray-menu region-magnifier window-list search info-user info-dimensions
#               info-winapp preferences monitored-windows (default: all of them)
#
# For each shot it writes SHOT.png; for a tool window also SHOT.rect (the window's rectangle on
# the screen) and SHOT.controls (the client size, then each control: id, class, left top right
# bottom in client coordinates, as the driver's "controls" command prints them).
#
# The program, the driver and the prefix templates are those of the build that runs here
# (scripts/wine-env.sh); ZORBEL_EXE and ZORBEL_BUILD_DIR name others. The prefix maps "Arial" to
# Liberation Sans and "Courier New" to Liberation Mono, which have those fonts' metrics.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
source "$root/scripts/display.sh"

die() {
    echo "screenshots: $*" >&2
    exit 1
}

all_shots=(tray-menu region-magnifier window-list search info-user info-dimensions info-winapp preferences monitored-windows)
dpi=96 out="" docs="" shots=()
while [ $# -gt 0 ]; do
    case $1 in
    --out) out=$2; shift 2 ;;
    --dpi) dpi=$2; shift 2 ;;
    --docs) docs=$2; shift 2 ;;
    -*) die "unknown option $1" ;;
    *)
        [[ " ${all_shots[*]} " == *" $1 "* ]] || die "unknown shot $1 (known: ${all_shots[*]})"
        shots+=("$1")
        shift
        ;;
    esac
done
[ ${#shots[@]} -gt 0 ] || shots=("${all_shots[@]}")
[[ $dpi =~ ^[0-9]+$ ]] && [ "$dpi" -ge 96 ] && [ "$dpi" -le 480 ] || die "--dpi takes 96 to 480, not $dpi"
out=${out:-$root/build/screenshots/$dpi}

zorbel_wine_detect || die "Wine cannot run Windows programs here"
build_dir=${ZORBEL_BUILD_DIR:-$root/build/$(zorbel_wine_preset)}
program=${ZORBEL_EXE:-$build_dir/Zorbel!.exe}
driver=$build_dir/driver_win.exe
[ -f "$program" ] || die "no program at $program (build it first)"
[ -f "$driver" ] || die "no driver at $driver (build it first)"
command -v openbox >/dev/null || die "openbox is not installed (scripts/setup-deps.sh installs it)"
command -v import >/dev/null || die "ImageMagick's import is not installed"
mkdir -p "$out" || die "cannot make $out"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-screenshots.XXXXXX") || die "cannot make a temporary folder"
openbox_pid="" xcompmgr_pid="" zorbel_pid=""
cleanup() {
    local status=$?
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k 2>/dev/null
        timeout 20 wineserver -w 2>/dev/null
    fi
    [ -n "$zorbel_pid" ] && wait "$zorbel_pid" 2>/dev/null
    if [ -n "$xcompmgr_pid" ]; then
        kill "$xcompmgr_pid" 2>/dev/null
        wait "$xcompmgr_pid" 2>/dev/null
    fi
    if [ -n "$openbox_pid" ]; then
        kill "$openbox_pid" 2>/dev/null
        wait "$openbox_pid" 2>/dev/null
    fi
    zorbel_stop_display
    rm -rf "$tmp"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A screen of its own, large enough for the Window Information window at the DPI, so that the
# pictures do not depend on the caller's display.
width=$((1280 * dpi / 96)) height=$((800 * dpi / 96))
unset DISPLAY
ZORBEL_XVFB_SCREEN=${width}x${height}x24 zorbel_need_display || die "Xvfb did not start"

zorbel_wine_fresh_prefix win10 "$tmp/prefix" || die "cannot copy the win10 prefix"
wineserver -p || die "wineserver did not start"

# The interface fonts' labels measured with the fonts the prefix gives for the interface faces, in
# the cell heights the program asks for at this DPI: with Wine's own choice first, then with the
# replacements below. A check box's text has its width less the box and the gap before the text
# (18 px at 96 DPI, as Wine draws them).
measure_fonts() {
    local cell=$(((15 * dpi + 48) / 96)) small=$(((12 * dpi + 48) / 96))
    echo "== $1"
    wine "$driver" text-width Arial "$cell" 400 "Sounds" "Adminstrator" "Clipboard" "Save Dialogue" \
        "Repeat Capture" "Magnify Window" "Capture" "TopMost" "Default Settings" "Case Sensitive" | tr -d '\r'
    wine "$driver" text-width Arial "$cell" 700 "General Settings" "Capture Settings" "Shortcut Settings" | tr -d '\r'
    wine "$driver" text-width "Segoe UI" "$small" 400 " Z= 50% " " Z= 198% " " X= 3840 / Y= 2160 " \
        " X= -1920 / Y= 1080 " | tr -d '\r'
    echo "room for a check box's text: $(((120 - 18) * dpi / 96)) px (Sounds, Clipboard, Magnify Window)," \
        "$(((110 - 18) * dpi / 96)) px (Adminstrator, Save Dialogue, Repeat Capture, Case Sensitive)," \
        "$(((80 - 18) * dpi / 96)) px (Capture, TopMost); the magnifier is $((110 * dpi / 96)) px wide"
}
measure_fonts "Wine's choice" >"$out/fonts.txt" 2>&1
# Managed by openbox, which answers hides and destroys at once; undecorated, so that Wine draws the
# Windows frames that the pictures should show. Notepad opens small in the top-left corner, clear
# of the tool windows, which open in the middle of the screen: pinned, it would cover them.
{
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f &&
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f &&
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f &&
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'Liberation Mono' /f &&
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f &&
        wine reg add 'HKCU\Software\Microsoft\Notepad' /v iWindowPosX /t REG_DWORD /d 16 /f &&
        wine reg add 'HKCU\Software\Microsoft\Notepad' /v iWindowPosY /t REG_DWORD /d 16 /f &&
        wine reg add 'HKCU\Software\Microsoft\Notepad' /v iWindowPosDX /t REG_DWORD /d $((300 * dpi / 96)) /f &&
        wine reg add 'HKCU\Software\Microsoft\Notepad' /v iWindowPosDY /t REG_DWORD /d $((200 * dpi / 96)) /f
} >/dev/null 2>&1 || die "cannot set up the prefix's registry"
# Restarted, so that the DPI and the fonts apply to everything that starts from here.
wineserver -k 2>/dev/null
timeout 20 wineserver -w 2>/dev/null
wineserver -p || die "wineserver did not start again"
measure_fonts "Arial as Liberation Sans" >>"$out/fonts.txt" 2>&1

openbox >"$tmp/openbox.log" 2>&1 &
openbox_pid=$!
# A compositing manager, where there is one, shows layered windows (the region capture's faint
# overlay) translucent as Windows does; without one, X shows them opaque.
xcompmgr_pid=""
if command -v xcompmgr >/dev/null; then
    xcompmgr >"$tmp/xcompmgr.log" 2>&1 &
    xcompmgr_pid=$!
fi

# The driver's output goes through a file: Wine's services, started by whichever program comes
# first, inherit it and would hold a pipe open.
drive() {
    local status
    wine "$driver" "$@" >"$tmp/drive.out" 2>&1
    status=$?
    tr -d '\r' <"$tmp/drive.out"
    return "$status"
}

# The handle of the visible top-level window of a class, waiting up to 10 s.
find_class() {
    local i handle
    for i in $(seq 1 50); do
        handle=$(drive windows | awk -v class="$1" '$2 == 1 && $3 == class { print $1; exit }')
        [ -n "$handle" ] && { echo "$handle"; return 0; }
        sleep 0.2
    done
    return 1
}

# shot NAME X Y W H: the part of the screen, as the user sees it.
shot() {
    local name=$1
    import -window root -crop "${4}x${5}+${2}+${3}" +repage "$out/$name.png" || die "import failed for $name"
    [ -s "$out/$name.png" ] || die "the picture $name.png is empty"
    echo "screenshots: $out/$name.png (${4}x${5})"
}

# window_shot NAME HWND: the window's picture, its rectangle and its controls.
window_shot() {
    local name=$1 hwnd=$2 left top right bottom
    sleep 0.8 # drawn, and the caption shows it active
    read -r left top right bottom < <(drive window-rect "$hwnd") || die "$name: no window $hwnd"
    echo "$left $top $right $bottom" >"$out/$name.rect"
    # Nothing may cover it: the window itself is found at its corners and its middle.
    local x y inset=$((8 * dpi / 96)) found
    for x in $((left + inset)) $(((left + right) / 2)) $((right - inset)); do
        for y in $((top + inset)) $(((top + bottom) / 2)) $((bottom - inset)); do
            found=$(drive window-at "$x" "$y")
            [ $((16#$found)) -eq $((16#$hwnd)) ] || die "$name: another window ($found) covers $x,$y"
        done
    done
    drive controls "$hwnd" >"$out/$name.controls" || die "$name: cannot read the controls of $hwnd"
    shot "$name" "$left" "$top" $((right - left)) $((bottom - top))
}

close_window() { drive close "$1" || die "cannot close $1"; sleep 0.5; }

open_menu() {
    drive open-tray || die "cannot reach the tray icon"
    drive menu-visible 5000 >/dev/null || die "the tray menu did not open"
}

# Up from no selection selects the last item, Exit; Up again the Tools submenu. In it, Right
# selects the first item: About, the transparency mode, Display Devices, Region Capture, Power
# Management, Window List, Monitored Windows, ...; Up from there wraps round to Preferences.
open_tool() {
    open_menu
    drive keys up up right "$@" enter
}

# Three Notepad windows for the menu and the window list; the first listed window (the most
# recent) is the one the per-window shots use.
notes=$WINEPREFIX/drive_c/users/Public/Documents
mkdir -p "$notes"
for title in "Travel plans" "Meeting notes" "Shopping list"; do
    printf 'Zorbel! lists this window.\r\n' >"$notes/$title.txt"
    wine notepad "C:\\users\\Public\\Documents\\$title.txt" </dev/null >/dev/null 2>&1 &
    sleep 1
done
for _ in $(seq 1 100); do
    [ "$(drive windows | grep -c ' - Notepad"$')" -ge 3 ] && break
    sleep 0.2
done

# Two remembered windows for Monitored Windows, in the settings file the program reads at start:
# two of the Notepad windows as they were when maximised (WS_MAXIMIZE in the style), so that the
# window monitor does not pin them now and they cover no other window.
if [[ " ${shots[*]} " == *" monitored-windows "* ]]; then
    settings_dir=$(echo "$WINEPREFIX"/drive_c/users/"$(id -un)")/AppData/Roaming/Zorbel!
    mkdir -p "$settings_dir" || die "cannot make $settings_dir"
    {
        printf '\xEF\xBB\xBF\r\n[Windows]\r\n'
        n=0
        for title in "Meeting notes.txt - Notepad" "Travel plans.txt - Notepad"; do
            handle=$(drive find-window "$title" 5000) || die "no window \"$title\""
            mapfile -t facts < <(drive window-facts "$handle")
            [ ${#facts[@]} -eq 4 ] || die "cannot read the facts of \"$title\""
            n=$((n + 1))
            printf '%d Title = %s\r\n%d Filename = %s\r\n%d Classname = %s\r\n%d Style = %s\r\n%d Exstyle = %s\r\n' \
                "$n" "$title" "$n" "${facts[3]}" "$n" "${facts[0]}" "$n" $((facts[1] | 0x01000000)) "$n" "${facts[2]}"
        done
    } >"$settings_dir/Zorbel!.ini"
fi

(cd "$(dirname "$program")" && wine "$(basename "$program")" </dev/null >"$tmp/zorbel.out" 2>&1) &
zorbel_pid=$!
drive find-core 30000 >/dev/null || die "the program did not create its core window within 30 s"
sleep 1.5 # the first tray menu is built on the first timer tick

# notepad_submenu N KEY...: opens the submenu of the Nth Notepad in the tray menu (the first is the
# one made last; Wine's own tray window comes before them), then presses the keys. Right opens a
# submenu with its first item selected.
notepad_submenu() {
    local n=$1 downs=()
    shift
    open_menu
    for _ in $(seq 0 "$n"); do downs+=(down); done
    drive keys "${downs[@]}" right "$@"
}

for name in "${shots[@]}"; do
    case $name in
    tray-menu)
        notepad_submenu 1
        sleep 0.8
        box=$(drive menu-rects | awk 'NR == 1 { l = $1; t = $2; r = $3; b = $4 }
            { if ($1 < l) l = $1; if ($2 < t) t = $2; if ($3 > r) r = $3; if ($4 > b) b = $4 }
            END { if (NR) print l, t, r, b }')
        [ -n "$box" ] || die "no menu is visible"
        read -r left top right bottom <<<"$box"
        shot tray-menu "$left" "$top" $((right - left)) $((bottom - top))
        drive keys escape escape
        drive menu-gone 3000 >/dev/null || die "the tray menu did not close"
        ;;
    region-magnifier)
        # The capture hotkey, Ctrl+R; a drag across a Notepad window with the magnifier beside the
        # cursor; the hotkey again closes the overlay without a capture.
        notepad=$(drive windows | awk '$2 == 1 && /Shopping list.txt - Notepad"$/ { print $1; exit }')
        [ -n "$notepad" ] || die "no Notepad window to capture"
        read -r left top right bottom < <(drive window-rect "$notepad")
        # From the menu bar down to the end of the line of text.
        x0=$((left + 6 * dpi / 96)) y0=$((top + 34 * dpi / 96))
        x1=$((x0 + 150 * dpi / 96)) y1=$((y0 + 18 * dpi / 96))
        drive mouse "$x0" "$y0"
        drive chord 11 52
        sleep 1
        drive mouse "$x0" "$y0" down
        for step in 1 2 3 4; do
            drive mouse $((x0 + (x1 - x0) * step / 4)) $((y0 + (y1 - y0) * step / 4))
        done
        sleep 0.8
        magnifier=$(find_class 'Zorbel!_Magnifier') || die "the magnifier did not show"
        read -r left top right bottom < <(drive window-rect "$magnifier")
        echo "$left $top $right $bottom" >"$out/magnifier.rect"
        pad=$((16 * dpi / 96))
        shot region-magnifier $((x0 - 2 * pad)) $((y0 - 2 * pad)) $((right + pad - x0 + 2 * pad)) $((bottom + pad - y0 + 2 * pad))
        drive chord 11 52
        drive mouse "$x1" "$y1" up
        for _ in $(seq 1 25); do
            drive windows | grep -q ' 1 Zorbel!_Region_Capture ' || break
            sleep 0.2
        done
        drive windows | grep -q ' 1 Zorbel!_Region_Capture ' && die "the region capture overlay did not close"
        ;;
    window-list)
        open_tool down down down down down
        hwnd=$(find_class 'Zorbel!_Window_List') || die "Window List did not open"
        window_shot window-list "$hwnd"
        close_window "$hwnd"
        ;;
    search)
        open_tool down down down down down
        list=$(find_class 'Zorbel!_Window_List') || die "Window List did not open"
        drive chord 11 46 # Ctrl+F
        hwnd=$(find_class 'Zorbel!_Search_Window') || die "Ctrl+F did not open the search window"
        window_shot search "$hwnd"
        close_window "$hwnd"
        close_window "$list"
        ;;
    monitored-windows)
        open_tool down down down down down down
        hwnd=$(find_class 'Zorbel!_Monitored_Windows') || die "Monitored Windows did not open"
        window_shot monitored-windows "$hwnd"
        close_window "$hwnd"
        ;;
    preferences)
        open_tool up
        hwnd=$(find_class 'Zorbel!_Preferences') || die "Preferences did not open"
        window_shot preferences "$hwnd"
        close_window "$hwnd"
        ;;
    info-user | info-dimensions | info-winapp)
        # The last item of a window's submenu; Up from its first item wraps round to it.
        notepad_submenu 1 up enter
        hwnd=$(find_class 'Zorbel!_Information_Window') || die "Window Information did not open"
        case $name in
        info-dimensions) tab=1 ;;
        info-winapp) tab=2 ;;
        *) tab=0 ;;
        esac
        drive select-tab "$hwnd" "$tab" || die "cannot select tab $tab of Window Information"
        window_shot "$name" "$hwnd"
        close_window "$hwnd"
        ;;
    esac
done

if [ -n "$docs" ]; then
    mkdir -p "$docs" || die "cannot make $docs"
    for name in "${shots[@]}"; do
        # 256 colours hold a screenshot of plain controls without visible loss, at a third of the
        # size.
        convert "$out/$name.png" -strip -dither None -colors 256 "PNG8:$docs/$name.png" ||
            die "cannot reduce $name.png"
    done
    echo "screenshots: reduced pictures in $docs"
fi
