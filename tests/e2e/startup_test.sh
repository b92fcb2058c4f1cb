#!/usr/bin/env bash
# First run in a fresh Windows 10 prefix: the settings file with every default, the tray icon,
# the first tray menu, a refused second instance, and Exit from the tray menu.
source "$(dirname "$0")/lib.sh"
e2e_begin win10

settings=$(e2e_settings_file)
[ ! -e "$settings" ] || e2e_fail "the fresh prefix already has $settings"
# An empty working directory, so that no language file can change the texts.
mkdir -p "$E2E_TMP/work"

e2e_launch first "$E2E_TMP/work" "$E2E_EXE"
core=$E2E_CORE
e2e_note "core window $core, tray icon present"

# A click before the first timer tick shows nothing. The timer starts after the core window
# exists and a posted message is taken before WM_TIMER, so a click posted within 800 ms of
# seeing the window is handled before the first tick, however slow the machine.
e2e_driver open-tray || e2e_fail "cannot post the tray callback"
posted_after=$((($(date +%s%N) - E2E_CORE_SEEN) / 1000000))
if [ "$posted_after" -lt 800 ]; then
    if e2e_driver menu-visible 500 >/dev/null; then
        e2e_fail "a click ${posted_after} ms after start-up showed a menu before the first timer tick"
    fi
    e2e_note "a click ${posted_after} ms after start-up showed nothing"
else
    e2e_note "early click not checked: it was posted only ${posted_after} ms after start-up"
    e2e_driver keys escape
fi

# The settings file of a first run, byte for byte.
expected=$E2E_TMP/expected.ini
e2e_settings_text >"$expected"
[ -f "$settings" ] || e2e_fail "no settings file at $settings after the first start"
if ! cmp "$expected" "$settings"; then
    echo "expected:" >&2; od -c "$expected" >&2
    echo "actual:" >&2; od -c "$settings" >&2
    e2e_fail "the first-run settings file differs from the defaults"
fi
e2e_note "settings file holds exactly the twelve defaults"

# The first menu is built on the first timer tick, about a second after start-up.
sleep 1
e2e_open_menu
e2e_driver keys escape
e2e_driver menu-gone 3000 || e2e_fail "the tray menu did not close on Escape"
e2e_note "tray menu opened and closed"

# A second instance says so and ends; the first one is untouched.
e2e_start second "$E2E_TMP/work" "$E2E_EXE"
e2e_expect_box "You can only run one Zorbel!"
status=$(e2e_wait_exit second 10) || e2e_fail "the second instance still runs 10 s after its box was closed"
[ "$status" = 0 ] || e2e_fail "the second instance ended with status $status, expected 0"
e2e_running first || e2e_fail "the first instance ended when the second one started (status $(cat "$E2E_TMP/first.rc"))"
[ "$(e2e_core 1000)" = "$core" ] || e2e_fail "the first instance's core window $core is gone"
e2e_driver icon-exists "$core" || e2e_fail "the first instance lost its tray icon"
cmp -s "$expected" "$settings" || e2e_fail "the second start changed the settings file"
e2e_note "second instance refused with message 2, first still running"

e2e_exit_by_menu first "$core"
e2e_note "Exit ended the program with status 0 and removed its tray icon"
