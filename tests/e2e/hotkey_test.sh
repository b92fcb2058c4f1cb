#!/usr/bin/env bash
# The TopMost hotkey with real input: Ctrl+E, injected while the mouse rests on another
# program's window, pins that window; pressed again it releases it; it follows the mouse.
source "$(dirname "$0")/lib.sh"
e2e_begin win10

mkdir -p "$E2E_TMP/work"
e2e_launch zorbel "$E2E_TMP/work" "$E2E_EXE"
core=$E2E_CORE
e2e_note "core window $core"

# host_window TITLE X Y W H: a window of another program, kept open in the background until
# the prefix's processes end.
host_window() {
    wine "$E2E_DRIVER" host-window "$@" </dev/null >/dev/null 2>&1 &
    E2E_PIDS+=($!)
}

title="Zorbel hotkey target"
host_window "$title" 400 250 360 240
target=$(e2e_driver find-window "$title" 10000) || e2e_fail "the target window did not appear"
e2e_driver cursor-over "$target" || e2e_fail "cannot move the mouse over the target $target"
[ "$(e2e_driver topmost "$target")" = 0 ] || e2e_fail "the target starts TopMost"

# await_topmost WINDOW WANT: waits up to 5 s for the window's TopMost state (1 or 0).
await_topmost() {
    local i
    for ((i = 0; i < 50; i++)); do
        [ "$(e2e_driver topmost "$1")" = "$2" ] && return 0
        sleep 0.1
    done
    return 1
}

ctrl=11
key_e=45
e2e_driver chord $ctrl $key_e
await_topmost "$target" 1 || e2e_fail "Ctrl+E over $target did not make it TopMost"
e2e_note "Ctrl+E pinned the window under the mouse"

e2e_driver chord $ctrl $key_e
await_topmost "$target" 0 || e2e_fail "a second Ctrl+E did not release $target"
e2e_note "Ctrl+E again released it"

# That a held key does not repeat the action (MOD_NOREPEAT) cannot be seen here: Wine 8 ignores
# the flag and sends WM_HOTKEY for every repeated key-down.

# The newest window has the focus; the hotkey still acts on the window under the mouse.
host_window "Zorbel other target" 40 520 300 180
other=$(e2e_driver find-window "Zorbel other target" 10000) || e2e_fail "the second window did not appear"
for ((i = 0; i < 50; i++)); do
    [ "$(e2e_driver foreground)" = "$other" ] && break
    sleep 0.1
done
[ "$(e2e_driver foreground)" = "$other" ] || e2e_fail "the second window $other did not take the focus"
e2e_driver cursor-over "$target" || e2e_fail "cannot move the mouse over $target"
e2e_driver chord $ctrl $key_e
await_topmost "$target" 1 || e2e_fail "Ctrl+E over $target did not pin it while $other had the focus"
[ "$(e2e_driver topmost "$other")" = 0 ] || e2e_fail "Ctrl+E pinned the focused window $other instead"
e2e_driver cursor-over "$other" || e2e_fail "cannot move the mouse over $other"
e2e_driver chord $ctrl $key_e
await_topmost "$other" 1 || e2e_fail "Ctrl+E over the second window did not pin it"
[ "$(e2e_driver topmost "$target")" = 1 ] || e2e_fail "Ctrl+E over the second window changed the first"
e2e_note "the hotkey acts on the window under the mouse, not on the focused one"

e2e_running zorbel || e2e_fail "Zorbel! ended during the hotkey presses"
e2e_exit_by_menu zorbel "$core"
