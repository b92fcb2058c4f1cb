#!/usr/bin/env bash
# The window monitor with the real program: a rule written to the settings file before start-up
# pins a window of that class, program and style as soon as it appears, without any click.
source "$(dirname "$0")/lib.sh"
e2e_begin win10

title="Zorbel monitored window"
# host_window: a window of another program, kept open in the background.
host_window() {
    e2e_spawn host "$E2E_DRIVER" host-window "$title" 300 200 360 240
    host_pid=$E2E_SPAWNED
}

# The window's facts, as the program will see them, from a first showing of it.
host_window
target=$(e2e_driver find-window "$title" 10000) || e2e_fail "the window to monitor did not appear"
mapfile -t facts < <(e2e_driver window-facts "$target")
[ "${#facts[@]}" -eq 4 ] || e2e_fail "cannot read the facts of $target: ${facts[*]}"
e2e_kill "$host_pid" "$E2E_DRIVER"
for ((i = 0; i < 50; i++)); do e2e_driver find-window "$title" 0 >/dev/null || break; sleep 0.1; done
e2e_driver find-window "$title" 0 >/dev/null && e2e_fail "the window outlived its program"
e2e_note "rule: class ${facts[0]}, style ${facts[1]}, extended style ${facts[2]}, program ${facts[3]}"

settings=$(e2e_settings_file)
mkdir -p "$(dirname "$settings")"
{
    printf '\xEF\xBB\xBF\r\n[Windows]\r\n'
    printf '1 Title = %s\r\n1 Filename = %s\r\n1 Classname = %s\r\n1 Style = %s\r\n1 Exstyle = %s\r\n' \
        "$title" "${facts[3]}" "${facts[0]}" "${facts[1]}" "${facts[2]}"
} >"$settings"

mkdir -p "$E2E_TMP/work"
e2e_launch zorbel "$E2E_TMP/work" "$E2E_EXE"
e2e_note "core window $E2E_CORE"

host_window
target=$(e2e_driver find-window "$title" 10000) || e2e_fail "the window did not appear again"
pinned=0
for ((i = 0; i < 50; i++)); do
    [ "$(e2e_driver topmost "$target")" = 1 ] && { pinned=1; break; }
    sleep 0.1
done
[ "$pinned" = 1 ] || e2e_fail "the remembered window $target was not pinned within 5 s"
e2e_note "the remembered window was pinned $((i / 10)).$((i % 10)) s after it appeared"

grep -q "^1 Classname = ${facts[0]}"$'\r'"\$" "$settings" || e2e_fail "the rule is no longer in the settings file"
e2e_exit_by_menu zorbel "$E2E_CORE"
