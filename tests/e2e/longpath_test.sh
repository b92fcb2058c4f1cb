#!/usr/bin/env bash
# Zorbel!.exe in a folder whose path is longer than 260 characters starts normally (its own path
# is read in full, and the file check finds the file intact) and leaves through Exit with status 0.
source "$(dirname "$0")/lib.sh"
e2e_begin win10

# Components of at most 255 bytes (the Unix limit), nested until the Windows path of the program
# passes 260 characters.
folder=$E2E_TMP/$(printf 'Long folder %.0s' {1..10})
folder=$folder/$(printf 'deeper %.0s' {1..20})
folder=$folder/$(printf 'deepest%.0s' {1..10})
mkdir -p "$folder" || e2e_fail "cannot make $folder"
program=$folder/Zorbel!.exe
cp "$E2E_EXE" "$program"
length=$(e2e_winpath "$program" | tr -d '\n' | wc -c)
[ "$length" -gt 260 ] || e2e_fail "the program path has only $length characters"
e2e_note "program path: $length characters"

# Wine itself must be able to start a program from there: the driver, copied beside it.
cp "$E2E_DRIVER" "$folder/driver_win.exe"
wine "$folder/driver_win.exe" version >/dev/null 2>&1 ||
    e2e_fail "Wine cannot start a program from a $length-character path"

# Wine cannot enter a working directory that long (it falls back to the Windows folder), so the
# program runs from a short one.
mkdir -p "$E2E_TMP/work"
caption=$(e2e_caption)
e2e_start longpath "$E2E_TMP/work" "$program"
core=""
for ((i = 0; i < 100; i++)); do
    core=$(e2e_core 100) && break
    core=""
    if texts=$(e2e_driver msgbox-read "$caption" 0); then
        e2e_fail "started from a $length-character path, the program shows \"$texts\""
    fi
    e2e_running longpath || e2e_fail "the program ended with status $(cat "$E2E_TMP/longpath.rc") before its core window"
    sleep 0.1
done
[ -n "$core" ] || e2e_fail "no core window within 20 s"
for ((i = 0; i < 50; i++)); do
    e2e_driver icon-exists "$core" && break
    sleep 0.1
done
e2e_driver icon-exists "$core" || e2e_fail "the core window $core has no tray icon"
e2e_note "core window $core and tray icon present"

# The first menu is built on the first timer tick, about a second after start-up.
sleep 1.2
e2e_exit_by_menu longpath "$core"
e2e_note "Exit ended the program with status 0"
