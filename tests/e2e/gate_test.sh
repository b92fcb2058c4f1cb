#!/usr/bin/env bash
# On a system that reports Windows 7 the program refuses to run: message 3, then it ends without
# ever creating its core window.
source "$(dirname "$0")/lib.sh"
e2e_begin win7

version=$(e2e_driver version) || e2e_fail "cannot read the prefix's Windows version"
case $version in
    6.1.*) e2e_note "the prefix reports Windows $version" ;;
    *) e2e_fail "the win7 prefix reports $version, not 6.1.x: the test would prove nothing" ;;
esac

mkdir -p "$E2E_TMP/work"
e2e_start gated "$E2E_TMP/work" "$E2E_EXE"
e2e_expect_box "Unsupported version of Windows. Requires 10.0.14393." no-core

status=$(e2e_wait_exit gated 10) || e2e_fail "the program still runs 10 s after the refusal was closed"
[ "$status" = 0 ] || e2e_fail "the program ended with status $status, expected 0"
if core=$(e2e_driver find-core 500); then e2e_fail "a core window ($core) appeared after the refusal"; fi
# The settings are loaded before the version gate, so even a refused first run leaves the file.
[ -f "$(e2e_settings_file)" ] || e2e_fail "no settings file: the settings were not loaded before the version gate"
e2e_note "message 3 shown, program ended with status 0, no core window"
