#!/usr/bin/env bash
# Makes the pictures that build/native/png_encoding_bench measures the PNG encoder on, pictures
# like the ones people capture:
#   screenshots of real programs under Xvfb with a window manager, at 1920x1080 and 3840x2160:
#     desktop-*   a gradient wallpaper with a console, Notepad and the control panel over it
#     console-*   a maximised console full of text
#     notepad-*   a maximised Notepad showing source code
#   photo-*      a 3840x2160 photo-like picture (smooth light, texture) with sensor noise of
#                standard deviation 0, 1.5 (a good camera) and 5 (a dim room)
#   mixed-*      the noisier photo in a window on the 4K desktop
# Nothing is downloaded: the programs are Wine's own, the text is this tree's source.
#   scripts/make-corpus.sh [FOLDER]      (default build/corpus; existing pictures are kept)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/corpus}
mkdir -p "$out"
# The real ImageMagick, whatever stands before it on the PATH.
magick=/usr/bin/convert
for tool in "$magick" /usr/bin/composite import Xvfb openbox xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "make-corpus: $tool is missing" >&2; exit 1; }
done

source "$root/scripts/wine-env.sh"
zorbel_wine_detect
source "$root/scripts/display.sh"
prefix=$(mktemp -d /tmp/zorbel-corpus-prefix.XXXXXX)
rmdir "$prefix"
wm_pid=""
cleanup() {
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
    zorbel_stop_display
    rm -rf "$prefix"
}
trap cleanup EXIT
zorbel_wine_fresh_prefix win10 "$prefix"
export WINEPREFIX=$prefix
# Windows placed and framed by the window manager, as on a desktop.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null

text=$(mktemp /tmp/zorbel-corpus-text.XXXXXX.txt)
awk 'FNR == 1 && NR > 600 { exit } { print }' "$root"/src/capture/*.cpp >"$text"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# screenshots WIDTH HEIGHT: one display with a window manager, the shots of every program on it.
screenshots() {
    local width=$1 height=$2 size="$1x$2"
    [ -f "$out/desktop-$size.png" ] && [ -f "$out/console-$size.png" ] && [ -f "$out/notepad-$size.png" ] && return
    unset DISPLAY
    ZORBEL_XVFB_SCREEN="${size}x24" zorbel_need_display
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    sleep 1
    "$magick" -size "${height}x${width}" gradient:'#1b3a5c-#c7925a' -rotate 90 "$out/.wallpaper.png"
    # ImageMagick's display sets the root window's background, then exits with 1 all the same.
    display -window root "$out/.wallpaper.png" || true
    rm -f "$out/.wallpaper.png"

    wine start /max notepad "$(windows_path "$text")"
    sleep 6
    import -window root "$out/notepad-$size.png"
    wine cmd /c "taskkill /im notepad.exe" >/dev/null 2>&1 || true
    sleep 1

    # The console has no maximised state of its own: its size in characters fills the screen.
    local columns=$((width / 8 - 4)) rows=$((height / 16 - 6))
    wine reg add 'HKCU\Console' /v WindowSize /t REG_DWORD /d $(((rows << 16) | columns)) /f >/dev/null
    wine reg add 'HKCU\Console' /v ScreenBufferSize /t REG_DWORD /d $(((rows << 16) | columns)) /f >/dev/null
    wine start /max wineconsole cmd /k "dir /s C:\\windows\\system32\\drivers & type $(windows_path "$root/README.md")"
    sleep 8
    import -window root "$out/console-$size.png"
    wine cmd /c "taskkill /im wineconsole.exe" >/dev/null 2>&1 || true
    wine cmd /c "taskkill /im cmd.exe" >/dev/null 2>&1 || true
    sleep 1

    wine reg add 'HKCU\Console' /v WindowSize /t REG_DWORD /d $(((40 << 16) | 100)) /f >/dev/null
    wine start wineconsole cmd /k "dir C:\\windows\\system32"
    wine start notepad "$(windows_path "$root/README.md")"
    wine start control
    sleep 8
    import -window root "$out/desktop-$size.png"
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
    wm_pid=""
    zorbel_stop_display
}

# photo NOISE NAME: smooth light and colour from a blurred plasma, texture from a finer one, then
# Gaussian noise of that standard deviation (in 8-bit levels).
photo() {
    local sigma=$1 file="$out/photo-$2-3840x2160.png"
    [ -f "$file" ] && return
    local base="$out/.photo-base.miff"
    if [ ! -f "$base" ]; then
        "$magick" -seed 11 -size 960x540 plasma:fractal -blur 0x12 -resize 3840x2160\! \
            \( -seed 12 -size 3840x2160 plasma:grey50-grey50 -blur 0x2 \) -compose overlay -composite \
            -depth 8 "$base"
    fi
    if [ "$sigma" = 0 ]; then
        "$magick" "$base" -depth 8 "PNG24:$file"
    else
        # ImageMagick's Gaussian noise on mid grey has a deviation of about 20 levels per unit of
        # attenuation; the noise layer's grey is then taken off again.
        "$magick" "$base" \( -size 3840x2160 xc:'srgb(128,128,128)' -type TrueColor -seed 13 \
            -attenuate "$(awk "BEGIN{print $sigma / 20}")" +noise Gaussian \) \
            -compose Mathematics -define compose:args=0,1,1,-0.5 -composite -depth 8 "PNG24:$file"
    fi
}

screenshots 1920 1080
screenshots 3840 2160
photo 0 clean
photo 1.5 low
photo 5 high
rm -f "$out/.photo-base.miff"
if [ ! -f "$out/mixed-3840x2160.png" ]; then
    "$magick" "$out/photo-high-3840x2160.png" -resize 1600x900 "$out/.inset.png"
    /usr/bin/composite -geometry +900+500 "$out/.inset.png" "$out/desktop-3840x2160.png" "PNG24:$out/mixed-3840x2160.png"
    rm -f "$out/.inset.png"
fi
rm -f "$text"
ls -l "$out"
