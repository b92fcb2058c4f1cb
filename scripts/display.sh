# Sourced: makes sure DISPLAY points at an X server, starting Xvfb when there is none.
# zorbel_stop_display undoes what zorbel_need_display started. ZORBEL_XVFB_SCREEN sets the size
# and depth of the screen it starts (default 1280x800x24).
#
# A display started here also gets a window manager (openbox), as a desktop has one: without
# one, Wine waits about two seconds for an answer whenever a managed window is hidden, and
# windows have no frames or titles. A display that was already there is left as it is.
# ZORBEL_WINDOW_MANAGER names another manager's command, or "none" for bare Xvfb.
zorbel_xvfb_pid=""
zorbel_wm_pid=""
zorbel_wm_config=""
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
            # Another script may have taken the number a moment earlier: then its server answers
            # and ours has ended.
            kill -0 "$zorbel_xvfb_pid" 2>/dev/null || break
            if xdpyinfo >/dev/null 2>&1 && kill -0 "$zorbel_xvfb_pid" 2>/dev/null; then
                zorbel_start_window_manager
                return 0
            fi
            sleep 0.1
        done
        kill "$zorbel_xvfb_pid" 2>/dev/null || true
        zorbel_xvfb_pid=""
    done
    echo "could not start Xvfb" >&2
    return 1
}

# The manager is up once it has claimed the screen (EWMH's _NET_SUPPORTING_WM_CHECK on the root
# window); windows made before that would start unmanaged.
zorbel_window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

zorbel_start_window_manager() {
    local wm=${ZORBEL_WINDOW_MANAGER:-openbox}
    [ "$wm" = none ] && return 0
    # Openbox as Debian sets it up, except that it gives a new window the focus only when Wine
    # activates it, as Windows does: focusing each new window on its own, a moment after Wine
    # made another one active, takes the activation from the window a program (or a test) chose.
    if [ "$wm" = openbox ] && [ -f /etc/xdg/openbox/rc.xml ]; then
        zorbel_wm_config=$(mktemp "${TMPDIR:-/tmp}/zorbel-openbox.XXXXXX.xml")
        sed 's|<focusNew>yes</focusNew>|<focusNew>no</focusNew>|' /etc/xdg/openbox/rc.xml >"$zorbel_wm_config"
        wm="openbox --sm-disable --config-file $zorbel_wm_config"
    fi
    if ! command -v "${wm%% *}" >/dev/null; then
        echo "display: no ${wm%% *}; $DISPLAY has no window manager (scripts/setup-deps.sh installs it)" >&2
        return 0
    fi
    local log
    log=$(mktemp "${TMPDIR:-/tmp}/zorbel-wm.XXXXXX")
    # Unquoted on purpose: the command and its arguments.
    # shellcheck disable=SC2086
    $wm </dev/null >"$log" 2>&1 &
    zorbel_wm_pid=$!
    local i
    for i in $(seq 1 200); do
        if zorbel_window_manager_running; then
            rm -f "$log"
            return 0
        fi
        kill -0 "$zorbel_wm_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "display: the window manager ($wm) did not start on $DISPLAY:" >&2
    tail -n 5 "$log" | sed 's/^/  | /' >&2
    rm -f "$log"
    kill "$zorbel_wm_pid" 2>/dev/null || true
    wait "$zorbel_wm_pid" 2>/dev/null || true
    zorbel_wm_pid=""
}

zorbel_stop_display() {
    if [ -n "$zorbel_wm_pid" ]; then
        kill "$zorbel_wm_pid" 2>/dev/null || true
        wait "$zorbel_wm_pid" 2>/dev/null || true
        zorbel_wm_pid=""
    fi
    if [ -n "$zorbel_wm_config" ]; then
        rm -f "$zorbel_wm_config"
        zorbel_wm_config=""
    fi
    if [ -n "$zorbel_xvfb_pid" ]; then
        kill "$zorbel_xvfb_pid" 2>/dev/null || true
        wait "$zorbel_xvfb_pid" 2>/dev/null || true
        zorbel_xvfb_pid=""
    fi
}
