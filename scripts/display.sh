# Sourced: makes sure DISPLAY points at an X server, starting Xvfb when there is none.
# zorbel_stop_display undoes what zorbel_need_display started. ZORBEL_XVFB_SCREEN sets the size
# and depth of the screen it starts (default 1280x800x24).
zorbel_xvfb_pid=""
zorbel_need_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
    local n
    for n in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${ZORBEL_XVFB_SCREEN:-1280x800x24}" -nolisten tcp >/dev/null 2>&1 &
        zorbel_xvfb_pid=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$zorbel_xvfb_pid" 2>/dev/null || true
        zorbel_xvfb_pid=""
    done
    echo "could not start Xvfb" >&2
    return 1
}
zorbel_stop_display() {
    if [ -n "$zorbel_xvfb_pid" ]; then
        kill "$zorbel_xvfb_pid" 2>/dev/null || true
        wait "$zorbel_xvfb_pid" 2>/dev/null || true
        zorbel_xvfb_pid=""
    fi
}
