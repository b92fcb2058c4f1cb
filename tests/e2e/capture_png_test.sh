#!/usr/bin/env bash
# A region capture on the clipboard reaches other programs in two formats: the DIB as ever, and
# "PNG", which Zorbel! makes only when a program asks for it. A second capture, never asked for
# as PNG, is made into one when Zorbel! exits, so that it can still be pasted afterwards.
source "$(dirname "$0")/lib.sh"
e2e_begin win10

source "$(dirname "$0")/capture_lib.sh"

capture_begin pMessageBeep=0 pDialogue=0 pRepeatCapture=0
core=$E2E_CORE
sleep 1.5 # the first tray menu is built on the first timer tick

# "Enable Region Capture", as in capture_test.sh, then a drag over the painted window.
region_capture() {
    e2e_open_menu
    e2e_driver keys up up right down down down enter
    e2e_probe wait-window "Capture Window" 5000 >/dev/null || e2e_fail "Enable Region Capture showed no overlay"
    e2e_probe drag "$@"
    e2e_probe window-gone "Capture Window" 5000 || e2e_fail "the overlay stayed open without repeat capture"
}

region_capture 320 210 439 279
result=$(e2e_probe clipboard 20 10 120 70 5000) || e2e_fail "first capture, DIB: $result"
result=$(e2e_probe clipboard-png 20 10 120 70 5000) || e2e_fail "first capture, PNG while Zorbel! runs: $result"
e2e_note "first capture read by another process as DIB and as PNG: $result"

# The second capture differs in size, so that its PNG cannot be the first one's.
region_capture 305 215 404 264
result=$(e2e_probe clipboard 5 15 100 50 5000) || e2e_fail "second capture, DIB: $result"
e2e_exit_by_menu zorbel "$core"
result=$(e2e_probe clipboard-png 5 15 100 50 2000) || e2e_fail "second capture, PNG after Exit: $result"
e2e_note "second capture's PNG still on the clipboard after Exit: $result"
