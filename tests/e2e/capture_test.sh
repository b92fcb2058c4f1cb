#!/usr/bin/env bash
# Region capture through the real Zorbel!.exe: "Enable Region Capture" from the tray menu covers
# the screen with the overlay, a drag with injected mouse input selects part of a window of known
# pixels, and exactly those pixels arrive on the clipboard; without repeat capture the overlay
# then closes. Exit from the menu afterwards.
source "$(dirname "$0")/lib.sh"
e2e_begin win10

source "$(dirname "$0")/capture_lib.sh"

# Clipboard only (no save dialogue), no repeat; everything else as the defaults.
capture_begin pMessageBeep=0 pDialogue=0 pRepeatCapture=0
core=$E2E_CORE
sleep 1.5 # the first tray menu is built on the first timer tick

# Tray menu: Up selects Exit, Up again the Tools submenu; Right opens it on "About Zorbel!";
# three times Down passes the transparency item and the display submenu to "Enable Region Capture".
e2e_open_menu
e2e_driver keys up up right down down down enter
e2e_probe wait-window "Capture Window" 5000 >/dev/null || e2e_fail "Enable Region Capture showed no overlay"
e2e_probe wait-window "Magnify Window" 5000 >/dev/null || e2e_fail "the magnifier did not open with the overlay"
e2e_note "overlay and magnifier open"

# From the painted window's (20, 10) to its (139, 79), both pixels inside: 120 x 70.
e2e_probe drag 320 210 439 279
result=$(e2e_probe clipboard 20 10 120 70 5000) || e2e_fail "region capture: $result"
e2e_note "region capture on the clipboard: $result"
e2e_probe window-gone "Capture Window" 5000 || e2e_fail "the overlay stayed open without repeat capture"
e2e_probe window-gone "Magnify Window" 2000 || e2e_fail "the magnifier outlived the overlay"

e2e_exit_by_menu zorbel "$core"
