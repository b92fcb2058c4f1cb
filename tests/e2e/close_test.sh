#!/usr/bin/env bash
# Close requests do not end Zorbel!: taskkill without /F (which posts WM_CLOSE to the program's
# windows) and WM_SYSCOMMAND/SC_CLOSE leave the core window, the tray icon and a working menu;
# only Exit ends the program, with status 0.
source "$(dirname "$0")/lib.sh"
e2e_begin win10

mkdir -p "$E2E_TMP/work"
e2e_launch closing "$E2E_TMP/work" "$E2E_EXE"
core=$E2E_CORE

still_running() {
    local after=$1
    sleep 1
    e2e_running closing || e2e_fail "$after ended the program (status $(cat "$E2E_TMP/closing.rc"))"
    [ "$(e2e_core 1000)" = "$core" ] || e2e_fail "$after took the core window $core away"
    e2e_driver icon-exists "$core" || e2e_fail "$after took the tray icon away"
    e2e_open_menu
    e2e_driver keys escape
    e2e_driver menu-gone 3000 || e2e_fail "the tray menu did not close on Escape"
}

pid=$(e2e_driver core-pid) || e2e_fail "cannot read the program's process id"
wine taskkill /pid "$pid" >"$E2E_TMP/taskkill.out" 2>&1
e2e_note "taskkill /pid $pid: $(tr -d '\r' <"$E2E_TMP/taskkill.out" | head -n 1)"
still_running "taskkill without /F"

e2e_driver close-core || e2e_fail "cannot post the close requests"
still_running "WM_CLOSE and SC_CLOSE"
e2e_note "the program still runs, with its tray icon and menu, after both close requests"

e2e_exit_by_menu closing "$core"
e2e_note "Exit ended the program with status 0"
