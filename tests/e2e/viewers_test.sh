#!/usr/bin/env bash
# The tray menu's "Window List" opens the window tree; its accelerators run through the program's
# own event loop: F2 lists the top-level windows only, Escape closes the window.
source "$(dirname "$0")/lib.sh"
e2e_begin win10
mkdir -p "$E2E_TMP/work"

e2e_launch zorbel "$E2E_TMP/work" "$E2E_EXE"
core=$E2E_CORE
sleep 1 # the first menu is built on the first timer tick

# The tree window's title, "Window List (N)", or nothing while it is not open.
tree_title() {
    e2e_driver windows | tr -d '\r' | sed -n 's/^[0-9A-Fa-f]* 1 Zorbel!_Window_List "\(.*\)"$/\1/p'
}
wait_title() { # wait_title PATTERN
    local i
    for i in $(seq 1 50); do
        [[ "$(tree_title)" =~ $1 ]] && return 0
        sleep 0.1
    done
    return 1
}

# Up from nothing selects Exit, Up again "Tools Menu..."; in the submenu "Window List" is the sixth
# item that can be chosen.
e2e_open_menu
e2e_driver keys up up right down down down down down enter
wait_title '^Window List \([0-9]+\)$' || e2e_fail "Window List did not open the tree window (title '$(tree_title)')"
desktop=$(tree_title)
e2e_note "tree window open: $desktop"

e2e_driver keys 71 # F2: Top-Level
sleep 0.5
toplevel=$(tree_title)
[[ "$toplevel" =~ ^Window\ List\ \(([0-9]+)\)$ ]] || e2e_fail "F2 left the title '$toplevel'"
# Wine's tray window has child windows: the desktop tree counts them, the top-level list does not.
[ "${BASH_REMATCH[1]}" -lt "$(sed 's/[^0-9]//g' <<<"$desktop")" ] || e2e_fail "F2 did not list the top-level windows only ($desktop, then $toplevel)"
e2e_note "after F2: $toplevel"

e2e_driver keys 1b # Escape: close
for i in $(seq 1 30); do
    [ -z "$(tree_title)" ] && break
    sleep 0.1
done
[ -z "$(tree_title)" ] || e2e_fail "Escape did not close the tree window"
e2e_note "Escape closed the tree window"

e2e_exit_by_menu zorbel "$core"
