#!/usr/bin/env bash
# Region capture with the save dialogue, all through real input: Ctrl+R opens the overlay, a
# drag selects part of a window of known pixels, the clipboard receives them, and the save
# dialogue, answered with a typed name, writes them as that PNG file. Repeat capture brings the
# overlay back; Ctrl+R closes it. Exit from the menu afterwards.
source "$(dirname "$0")/lib.sh"
e2e_begin win10

source "$(dirname "$0")/capture_lib.sh"

capture_begin pMessageBeep=0 pMagnifyWindow=0
core=$E2E_CORE
mkdir -p "$E2E_TMP/pictures"

ctrl=11
key_r=52
e2e_driver chord $ctrl $key_r
e2e_probe wait-window "Capture Window" 5000 >/dev/null || e2e_fail "Ctrl+R showed no overlay"
e2e_note "Ctrl+R opened the overlay"

# From the painted window's (30, 20) to its (129, 69), both pixels inside: 100 x 50.
e2e_probe drag 330 220 429 269
result=$(e2e_probe clipboard 30 20 100 50 5000) || e2e_fail "region capture: $result"
e2e_note "region capture on the clipboard: $result"

# The type stays PNG, so the typed name gets its extension.
result=$(e2e_probe save-as "$(e2e_winpath "$E2E_TMP/pictures")\\region capture" 10000) ||
    e2e_fail "save dialogue: $result"
file=$E2E_TMP/pictures/region\ capture.png
result=$(e2e_probe png-file "$(e2e_winpath "$file")" 30 20 100 50 5000) || e2e_fail "saved file: $result"
e2e_note "saved file: $result"
[ "$(find "$E2E_TMP/pictures" -type f | wc -l)" = 1 ] || e2e_fail "more than the one file: $(ls "$E2E_TMP/pictures")"

e2e_probe wait-window "Capture Window" 5000 >/dev/null || e2e_fail "repeat capture did not bring the overlay back"
e2e_driver chord $ctrl $key_r
e2e_probe window-gone "Capture Window" 5000 || e2e_fail "a second Ctrl+R did not close the overlay"
e2e_note "repeat capture brought the overlay back; Ctrl+R closed it"

e2e_exit_by_menu zorbel "$core"
