#!/usr/bin/env bash
# scripts/display.sh: a display it starts has a window manager, which stops with it; a display
# that was already there gets none. Needs Xvfb and openbox (scripts/setup-deps.sh).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# run DISPLAY-OR-EMPTY MANAGER-SETTING: starts a display through the script and prints whether
# it has a manager, then whether the manager's and Xvfb's processes outlived zorbel_stop_display.
run() {
    env -u DISPLAY ${1:+DISPLAY=$1} ${2:+ZORBEL_WINDOW_MANAGER=$2} bash -c '
        source "$0/scripts/display.sh"
        zorbel_need_display || { echo "no display"; exit 1; }
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then echo -n "managed "; else echo -n "bare "; fi
        wm=$zorbel_wm_pid xvfb=$zorbel_xvfb_pid
        zorbel_stop_display
        left=""
        for pid in $wm $xvfb; do kill -0 "$pid" 2>/dev/null && left="$left $pid"; done
        echo "left:${left:-none}"' "$root"
}

got=$(run "" "")
[ "$got" = "managed left:none" ] || fail "a started display: expected a manager, both stopped; got: $got"
got=$(run "" none)
[ "$got" = "bare left:none" ] || fail "ZORBEL_WINDOW_MANAGER=none: expected no manager; got: $got"

# A display that is already there (a bare Xvfb of the test's own) is left as it is.
for n in $(seq 140 160); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
done
Xvfb ":$n" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null' EXIT
for _ in $(seq 1 50); do DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
got=$(run ":$n" "")
[ "$got" = "bare left:none" ] || fail "an existing display: expected it left bare; got: $got"
kill -0 "$xvfb" 2>/dev/null || fail "the existing display's server was stopped"

[ "$failures" -eq 0 ] || exit 1
echo "display: all cases passed"
