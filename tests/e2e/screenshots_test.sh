#!/usr/bin/env bash
# `make screenshots` in its short form: one window's picture, so that the script cannot rot. The
# picture must be the Preferences window as the program placed it, and each of its controls must
# lie inside its client area.
source "$(dirname "$0")/lib.sh"
e2e_begin win10 no-display
shots=$E2E_TMP/shots

bash "$E2E_SOURCE_DIR/scripts/screenshots.sh" --out "$shots" --docs "$E2E_TMP/docs" preferences ||
    e2e_fail "scripts/screenshots.sh failed"
[ -s "$shots/preferences.png" ] || e2e_fail "no picture of the Preferences window"
read -r left top right bottom <"$shots/preferences.rect"
size=$(identify -format '%wx%h' "$shots/preferences.png") || e2e_fail "the picture cannot be read"
[ "$size" = "$((right - left))x$((bottom - top))" ] ||
    e2e_fail "the picture is $size, the window $((right - left))x$((bottom - top))"
# A window drawn as it should be, not hidden behind something else or left blank.
colours=$(identify -format '%k' "$shots/preferences.png")
[ "$colours" -ge 16 ] || e2e_fail "the picture has only $colours colours: the window was not drawn or was covered"
[ "$(identify -format '%[type]' "$E2E_TMP/docs/preferences.png")" = Palette ] ||
    e2e_fail "the reduced picture is not a palette PNG"

read -r word width height < <(head -1 "$shots/preferences.controls")
[ "$word" = client ] && [ "$width" -gt 0 ] && [ "$height" -gt 0 ] || e2e_fail "no client size in the controls"
controls=$(tail -n +2 "$shots/preferences.controls" | wc -l)
[ "$controls" -ge 10 ] || e2e_fail "only $controls controls in the Preferences window"
outside=$(tail -n +2 "$shots/preferences.controls" |
    awk -v w="$width" -v h="$height" '$3 < 0 || $4 < 0 || $5 > w || $6 > h')
[ -z "$outside" ] || e2e_fail "controls outside the client area ${width}x$height: $outside"
e2e_note "Preferences: $size, $controls controls inside ${width}x$height"
