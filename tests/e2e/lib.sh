# shellcheck shell=bash disable=SC2034 # the E2E_ variables are read by the scripts
# Shared by the end-to-end scripts (sourced, never run on its own).
#
# A script calls e2e_begin win10|win7 first: that makes a temporary folder with a fresh copy of
# the prepared Wine prefix, makes sure there is a display, keeps one wineserver running for the
# prefix and installs a trap that ends every process of the prefix and deletes the folder
# however the script ends. Everything else here drives Zorbel!.exe and the helper programs.
#
# The scripts run from ctest (ZORBEL_EXE, ZORBEL_BUILD_DIR and ZORBEL_SOURCE_DIR set) or by hand
# from anywhere, with the defaults below. Each starts a display of its own (scripts/display.sh).

set -uo pipefail

e2e_lib_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_SOURCE_DIR=${ZORBEL_SOURCE_DIR:-$(cd "$e2e_lib_dir/../.." && pwd)}
# shellcheck source=../../scripts/display.sh
source "$E2E_SOURCE_DIR/scripts/display.sh"
# shellcheck source=../../scripts/wine-env.sh
source "$E2E_SOURCE_DIR/scripts/wine-env.sh"
# By hand, the build whose programs run under Wine on this host.
if [ -z "${ZORBEL_BUILD_DIR:-}" ] && zorbel_wine_detect 2>/dev/null; then
    ZORBEL_BUILD_DIR=$E2E_SOURCE_DIR/build/$(zorbel_wine_preset)
fi
E2E_BUILD_DIR=${ZORBEL_BUILD_DIR:-$E2E_SOURCE_DIR/build/win32}
E2E_EXE=${ZORBEL_EXE:-$E2E_BUILD_DIR/Zorbel!.exe}
E2E_DRIVER=$E2E_BUILD_DIR/driver_win.exe
E2E_NAME=$(basename "$0" .sh)
E2E_TMP=""
E2E_PIDS=()
E2E_STARTED=$(date +%s)


e2e_note() { echo "-- $*"; }

e2e_fail() {
    echo "FAIL [$E2E_NAME]: $*" >&2
    exit 1
}

e2e_cleanup() {
    local status=$?
    if [ -n "$E2E_TMP" ]; then
        # Ends every Windows process of this prefix, and with them the background jobs that wait
        # for them.
        [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null
        local pid
        for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null; done
        rm -rf "$E2E_TMP"
    fi
    zorbel_stop_display
    if [ "$status" -eq 0 ]; then
        echo "PASS [$E2E_NAME] in $(($(date +%s) - E2E_STARTED)) s"
    else
        echo "FAIL [$E2E_NAME] (status $status) after $(($(date +%s) - E2E_STARTED)) s" >&2
    fi
    exit "$status"
}

# e2e_begin win10|win7 [no-wine|no-display]: the temporary folder, the display and a fresh
# prefix. no-wine: only the folder; no-display: console programs only, no X server needed.
e2e_begin() {
    local kind=$1 option=${2:-}
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-$E2E_NAME.XXXXXX") || e2e_fail "cannot make a temporary folder"
    [ "$option" = no-wine ] && return 0
    [ -f "$E2E_EXE" ] || e2e_fail "no program at $E2E_EXE (build it first)"
    [ -f "$E2E_DRIVER" ] || e2e_fail "no driver at $E2E_DRIVER (build it first)"
    if [ "$option" != no-display ]; then
        # A desktop of its own, so that nothing an earlier script left on a shared display (the
        # window manager's state included) changes what this one sees: on a display that earlier
        # runs had used, the region capture's drag went unseen in six runs of seven under openbox.
        # ZORBEL_E2E_DISPLAY=shared uses the display given instead.
        [ "${ZORBEL_E2E_DISPLAY:-own}" = shared ] || unset DISPLAY
        zorbel_need_display || e2e_fail "no usable display and Xvfb did not start"
    fi
    zorbel_wine_fresh_prefix "$kind" "$E2E_TMP/prefix" || e2e_fail "cannot copy the $kind prefix"
    # One server for the whole script: each helper then starts in a fraction of a second.
    wineserver -p || e2e_fail "wineserver did not start"
}

# The caption of every message box: "Zorbel! v" and the build date (UTC) as yyyy.mm.dd.
e2e_caption() {
    local seconds
    seconds=$(sed -n 's/^ZORBEL_BUILD_DATE:[A-Z]*=//p' "$E2E_BUILD_DIR/CMakeCache.txt" 2>/dev/null)
    echo "Zorbel! v$(date -u -d "@${seconds:-1664406106}" +%Y.%m.%d)"
}

# Unix path -> the Windows path Wine maps it to (drive Z: is the Unix root).
e2e_winpath() {
    local path=$1
    echo "Z:${path//\//\\}"
}

# Runs the driver; its console output loses the carriage returns that Windows puts before "\n".
e2e_driver() {
    wine "$E2E_DRIVER" "$@" | tr -d '\r'
}

# e2e_start NAME DIR EXE: starts EXE under Wine with DIR as working directory, in the background.
# Its output goes to $E2E_TMP/NAME.out and, when it ends, its exit status to $E2E_TMP/NAME.rc.
e2e_start() {
    local name=$1 dir=$2 exe=$3
    rm -f "$E2E_TMP/$name.rc"
    (
        cd "$dir" || exit 1
        wine "$exe" </dev/null >"$E2E_TMP/$name.out" 2>&1
        echo $? >"$E2E_TMP/$name.rc.part"
        mv "$E2E_TMP/$name.rc.part" "$E2E_TMP/$name.rc"
    ) </dev/null >/dev/null 2>&1 &
    E2E_PIDS+=($!)
}

e2e_running() { [ ! -f "$E2E_TMP/$1.rc" ]; }

# e2e_spawn NAME EXE [ARGS...]: starts a Windows program in the background, its output in
# $E2E_TMP/NAME.out, and leaves the Unix pid of the Windows process itself in E2E_SPAWNED.
# `wine` is a shell function here: after `wine EXE &`, $! is the subshell that runs it, and a
# kill of that misses the program, which runs on. So the subshell execs the loader, which keeps
# its pid while it becomes the program; the pid is checked before it is handed out.
E2E_SPAWNED=""
e2e_spawn() {
    local name=$1 exe=$2 i
    shift 2
    (
        if [ "$ZORBEL_WINE_ARCH" = x86_64 ]; then
            export WINELOADER=$ZORBEL_WINE64_LOADER
            exec "$ZORBEL_WINE64_LOADER" "$exe" "$@"
        fi
        exec "$ZORBEL_WINE32_LOADER" "$exe" "$@"
    ) </dev/null >"$E2E_TMP/$name.out" 2>&1 &
    E2E_SPAWNED=$!
    E2E_PIDS+=("$E2E_SPAWNED")
    for ((i = 0; i < 200; i++)); do
        e2e_names_program "$E2E_SPAWNED" "$exe" && return 0
        # A program that ended at once has nothing left to kill.
        [ "$(e2e_process_state "$E2E_SPAWNED")" = Z ] && return 0
        sleep 0.01
    done
    e2e_fail "process $E2E_SPAWNED is not $exe after 2 s: $(tr '\0' ' ' <"/proc/$E2E_SPAWNED/cmdline" 2>/dev/null)"
}

# e2e_process_state PID: the state letter of /proc/PID/stat (R, S, Z, ...), empty when gone.
e2e_process_state() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 0
    stat=${stat##*) }
    echo "${stat%% *}"
}

# e2e_names_program PID EXE: whether PID runs EXE (its command line names the file) in this
# test's prefix (its environment has our WINEPREFIX).
e2e_names_program() {
    local pid=$1 base
    base=$(basename "$2")
    tr '\0' '\n' <"/proc/$pid/cmdline" 2>/dev/null | grep -qF -- "$base" || return 1
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF -- "WINEPREFIX=$WINEPREFIX"
}

# e2e_program_pids EXE: the pids of every live process that runs EXE in this test's prefix.
e2e_program_pids() {
    local file pid
    # One grep over every command line: a loop of readers per process would cost seconds.
    for file in $(grep -lasF -- "$(basename "$1")" /proc/[0-9]*/cmdline); do
        pid=${file#/proc/}
        pid=${pid%/cmdline}
        [ "$(e2e_process_state "$pid")" = Z ] && continue
        e2e_names_program "$pid" "$1" && echo "$pid"
    done
    return 0
}

# e2e_kill PID EXE: kills the Windows process PID (of e2e_spawn) with SIGKILL, reaps it and
# fails when it, or any other process running EXE in this prefix, still lives.
e2e_kill() {
    local pid=$1 exe=$2 left
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    left=$(e2e_program_pids "$exe")
    [ -z "$left" ] || e2e_fail "$(basename "$exe") still runs after kill -9 $pid: process $left"
}

# e2e_wait_exit NAME SECONDS: prints the exit status; fails when the process is still running.
e2e_wait_exit() {
    local name=$1 seconds=$2 i
    for ((i = 0; i < seconds * 10; i++)); do
        if [ -f "$E2E_TMP/$name.rc" ]; then
            cat "$E2E_TMP/$name.rc"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# e2e_core [ms]: waits for the core window and prints its handle.
e2e_core() {
    e2e_driver find-core "${1:-20000}"
}

# The roaming application-data folder of the prefix's user (Wine names it after the Unix user).
e2e_appdata() {
    local user_dir
    user_dir=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming
    if [ -d "$user_dir" ]; then
        echo "$user_dir"
        return
    fi
    local found
    for found in "$WINEPREFIX"/drive_c/users/*/AppData/Roaming; do
        case $found in */users/Public/*) continue ;; esac
        [ -d "$found" ] && { echo "$found"; return; }
    done
    e2e_fail "no AppData\\Roaming folder in $WINEPREFIX"
}

e2e_settings_file() { echo "$(e2e_appdata)/Zorbel!/Zorbel!.ini"; }

# e2e_settings_text [KEY=VALUE ...]: a settings file as Zorbel! writes it on its first run (UTF-8
# with a byte order mark, CRLF line ends), the given values in place of the defaults.
e2e_settings_text() {
    local -A given=()
    local pair key
    for pair in "$@"; do given[${pair%%=*}]=${pair#*=}; done
    printf '\xEF\xBB\xBF\r\n[Global]\r\n'
    for pair in pImageFormat=0 pMessageBeep=1 pAdministrator=0 pClipboard=1 pDialogue=1 pRepeatCapture=1 \
        pMagnifyWindow=1 pCapture=594 pCaptureCB=1 pTopMost=581 pTopMostCB=1 pUpdate=1; do
        key=${pair%%=*}
        printf '%s = %s\r\n' "$key" "${given[$key]:-${pair#*=}}"
    done
}

# e2e_expect_box TEXT [no-core]: waits up to 20 s for a message box with the program's caption
# whose only text is TEXT, with no owner and a single OK button (the error boxes of start-up),
# and presses OK. With no-core, it also checks that no core window exists while the box is shown
# (start-up stopped before creating it).
e2e_expect_box() {
    local expected=$1 caption texts kind core
    caption=$(e2e_caption)
    texts=$(e2e_driver msgbox-read "$caption" 20000) ||
        e2e_fail "no message box captioned \"$caption\" within 20 s (expected \"$expected\")"
    [ "$texts" = "$expected" ] ||
        e2e_fail "message box text differs: expected \"$expected\", got \"$texts\""
    kind=$(e2e_driver msgbox-kind "$caption" 2000 | tr '\n' ' ')
    [ "$kind" = "unowned OK " ] ||
        e2e_fail "the box \"$expected\" should be unowned with one OK button; found: $kind"
    if [ "${2:-}" = no-core ] && core=$(e2e_driver find-core 0); then
        e2e_fail "a core window ($core) exists while \"$expected\" is shown"
    fi
    e2e_driver msgbox "$caption" 2000 >/dev/null || e2e_fail "the message box could not be closed"
}

# e2e_open_menu: opens the tray menu and waits until it shows.
e2e_open_menu() {
    e2e_driver open-tray || e2e_fail "cannot post the tray callback (no core window?)"
    e2e_driver menu-visible 3000 >/dev/null || e2e_fail "the tray menu did not open"
}

# e2e_exit_by_menu NAME CORE: chooses Exit (the last item) in the tray menu with injected keys and
# checks that the process ends with status 0 and takes its tray icon with it.
e2e_exit_by_menu() {
    local name=$1 core=$2 status
    e2e_open_menu
    # Up from no selection selects the last item, Exit.
    e2e_driver keys up enter
    status=$(e2e_wait_exit "$name" 15) || e2e_fail "$name still runs 15 s after Exit was chosen"
    [ "$status" = 0 ] || e2e_fail "$name ended with status $status after Exit, expected 0"
    e2e_driver wait-gone 2000 || e2e_fail "the core window outlived the process"
    if e2e_driver icon-exists "$core"; then e2e_fail "the tray still has the icon of $core after Exit"; fi
}

# e2e_launch NAME DIR EXE: starts the program, waits for its core window and its tray icon, and
# leaves the window's handle in E2E_CORE and the moment it was seen in E2E_CORE_SEEN.
E2E_CORE=""
E2E_CORE_SEEN=0 # when e2e_launch saw the core window, in nanoseconds
e2e_launch() {
    local name=$1 i status
    e2e_start "$@"
    for ((i = 0; i < 40; i++)); do
        E2E_CORE=$(e2e_core 500) && break
        if ! e2e_running "$name"; then
            status=$(cat "$E2E_TMP/$name.rc")
            e2e_fail "$name ended with status $status before creating its core window"
        fi
    done
    [ -n "$E2E_CORE" ] || e2e_fail "$name: no core window within 20 s"
    E2E_CORE_SEEN=$(date +%s%N)
    # The icon is added just after the core window is created.
    for ((i = 0; i < 50; i++)); do
        e2e_driver icon-exists "$E2E_CORE" && return 0
        sleep 0.1
    done
    e2e_fail "$name: the core window $E2E_CORE has no tray icon"
}
