# Sourced by the capture tests after lib.sh: the capture probe, and a start with a painted window
# of known pixels on screen.
probe=$E2E_BUILD_DIR/capture_probe_win.exe
[ -f "$probe" ] || e2e_fail "no capture probe at $probe (build it first)"
e2e_probe() { wine "$probe" "$@" | tr -d '\r'; }

# capture_begin [KEY=VALUE ...]: writes the settings file with those values, starts Zorbel!
# (its core window in $E2E_CORE), shows the painted window and empties the clipboard.
capture_begin() {
    mkdir -p "$(e2e_appdata)/Zorbel!" "$E2E_TMP/work"
    e2e_settings_text "$@" >"$(e2e_settings_file)"
    e2e_launch zorbel "$E2E_TMP/work" "$E2E_EXE"
    wine "$probe" paint 120 </dev/null >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    e2e_probe wait-window Painted 10000 >/dev/null || e2e_fail "the painted window did not appear"
    e2e_probe clear-clipboard || e2e_fail "cannot empty the clipboard"
}
