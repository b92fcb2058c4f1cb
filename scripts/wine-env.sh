# Sourced by the scripts that run Windows programs under Wine.
#
# Some hosts run only 64-bit user code: there Wine's 32-bit loader fails with "Exec format error"
# and the 32-bit build cannot run at all. Which loaders run is found out once, by running them,
# and decides which build's programs run under Wine:
#   ZORBEL_WINE_ARCH      i686 or x86_64: set it to force one (default: i686 where the 32-bit
#                         loader runs, x86_64 where only the 64-bit one does)
#   ZORBEL_WINE32_LOADER  Wine's 32-bit loader (default: the one of the wine32 package)
#   ZORBEL_WINE64_LOADER  Wine's 64-bit loader (default: the one of the wine64 package)
#   ZORBEL_WINE_ROOT      where the template prefixes live, one folder per architecture
#                         (default: <repo>/build/wine)
# In these scripts `wine` is a function that runs a program with the chosen loader.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
zorbel_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ZORBEL_WINE_ROOT=${ZORBEL_WINE_ROOT:-$zorbel_repo/build/wine}

# The loader a Debian package ships: zorbel_wine_package_loader PACKAGE NAME FALLBACK
zorbel_wine_package_loader() {
    local path
    while IFS= read -r path; do
        [ -f "$path" ] && { echo "$path"; return; }
    done < <(dpkg -L "$1" 2>/dev/null | grep -E "/$2\$")
    echo "$3"
}

zorbel_wine_loader_runs() { [ -x "$1" ] && "$1" --version >/dev/null 2>&1; }

# Finds out (once per process tree: the results are exported) which loaders run here and picks
# the architecture. Fails with a message when none runs or a forced one cannot run.
zorbel_wine_detect() {
    if [ -z "${ZORBEL_WINE_HOST32:-}" ] || [ -z "${ZORBEL_WINE_HOST64:-}" ]; then
        export ZORBEL_WINE32_LOADER=${ZORBEL_WINE32_LOADER:-$(zorbel_wine_package_loader wine32 wine /usr/lib/wine/wine)}
        export ZORBEL_WINE64_LOADER=${ZORBEL_WINE64_LOADER:-$(zorbel_wine_package_loader wine64 wine64 /usr/lib/wine/wine64)}
        ZORBEL_WINE_HOST32=no
        ZORBEL_WINE_HOST64=no
        zorbel_wine_loader_runs "$ZORBEL_WINE32_LOADER" && ZORBEL_WINE_HOST32=yes
        zorbel_wine_loader_runs "$ZORBEL_WINE64_LOADER" && ZORBEL_WINE_HOST64=yes
        export ZORBEL_WINE_HOST32 ZORBEL_WINE_HOST64
    fi
    if [ -z "${ZORBEL_WINE_ARCH:-}" ]; then
        if [ "$ZORBEL_WINE_HOST32" = yes ]; then
            ZORBEL_WINE_ARCH=i686
        elif [ "$ZORBEL_WINE_HOST64" = yes ]; then
            ZORBEL_WINE_ARCH=x86_64
        else
            echo "wine: neither $ZORBEL_WINE32_LOADER nor $ZORBEL_WINE64_LOADER runs here (is Wine installed? scripts/setup-deps.sh installs it)" >&2
            return 1
        fi
        ZORBEL_WINE_FORCED=no
    fi
    export ZORBEL_WINE_ARCH ZORBEL_WINE_FORCED=${ZORBEL_WINE_FORCED:-yes}
    case $ZORBEL_WINE_ARCH in
        i686) [ "$ZORBEL_WINE_HOST32" = yes ] || {
            echo "wine: ZORBEL_WINE_ARCH=i686, but Wine's 32-bit loader $ZORBEL_WINE32_LOADER does not run here" >&2
            return 1
        } ;;
        x86_64) [ "$ZORBEL_WINE_HOST64" = yes ] || {
            echo "wine: ZORBEL_WINE_ARCH=x86_64, but Wine's 64-bit loader $ZORBEL_WINE64_LOADER does not run here" >&2
            return 1
        } ;;
        *)
            echo "wine: ZORBEL_WINE_ARCH must be i686 or x86_64, not \"$ZORBEL_WINE_ARCH\"" >&2
            return 1
            ;;
    esac
}

# One line that says what runs here and which build the Wine steps use.
zorbel_wine_announce() {
    local host
    if [ "$ZORBEL_WINE_HOST32" = yes ]; then
        host="32- and 64-bit Windows programs run here"
        [ "$ZORBEL_WINE_HOST64" = yes ] || host="only 32-bit Windows programs run here"
    else
        host="only 64-bit Windows programs run here ($ZORBEL_WINE32_LOADER cannot run)"
    fi
    local why=""
    [ "$ZORBEL_WINE_FORCED" = yes ] && why=", as ZORBEL_WINE_ARCH asks"
    echo "wine: $host; the Wine steps use the $ZORBEL_WINE_ARCH build$why"
}

# The CMake preset whose programs run under Wine here.
zorbel_wine_preset() {
    case $ZORBEL_WINE_ARCH in
        x86_64) echo win64 ;;
        *) echo win32 ;;
    esac
}

# Runs a Windows program with the loader of the chosen architecture.
wine() {
    if [ "$ZORBEL_WINE_ARCH" = x86_64 ]; then
        WINELOADER=$ZORBEL_WINE64_LOADER "$ZORBEL_WINE64_LOADER" "$@"
    else
        "$ZORBEL_WINE32_LOADER" "$@"
    fi
}

# Runs one step of making a prefix; on failure names the command and shows the end of its output.
zorbel_wine_step() {
    local log status
    log=$(mktemp)
    "$@" >"$log" 2>&1
    status=$?
    if [ "$status" -ne 0 ]; then
        echo "wine: making the prefix $WINEPREFIX failed: \`$*\` ended with status $status" >&2
        tail -n 5 "$log" | sed 's/^/  | /' >&2
    fi
    rm -f "$log"
    return "$status"
}

# A prefix counts as made only when Wine wrote its registry and its Windows folder.
zorbel_wine_check_prefix() {
    if [ ! -s "$WINEPREFIX/system.reg" ] || [ ! -d "$WINEPREFIX/drive_c/windows/system32" ]; then
        echo "wine: \`wine wineboot -i\` left no usable prefix in $WINEPREFIX" >&2
        return 1
    fi
}

# Where this architecture's templates live.
zorbel_wine_templates_dir() { echo "$ZORBEL_WINE_ROOT/$ZORBEL_WINE_ARCH"; }

# What a prefix's .ready file says; a prefix made with other settings is made again. Prefixes of
# the first kind (no text) made every X window unmanaged, for displays without a window manager.
zorbel_wine_prefix_kind=managed-windows
zorbel_wine_prefix_ready() { [ "$(cat "$1/.ready" 2>/dev/null)" = "$zorbel_wine_prefix_kind" ]; }
zorbel_wine_mark_ready() { echo "$zorbel_wine_prefix_kind" >"$1/.ready"; }

# Makes (once) a template prefix that reports Windows 10 and one that reports Windows 7 (a new
# prefix's default). A template is marked ready only after every step of making it succeeded.
zorbel_wine_templates() {
    zorbel_wine_detect || return 1
    local dir
    dir=$(zorbel_wine_templates_dir)
    mkdir -p "$dir" || return 1
    (
        flock 9
        set -o pipefail
        if ! zorbel_wine_prefix_ready "$dir/win7"; then
            rm -rf "$dir/win7" "$dir/win10"
            export WINEPREFIX=$dir/win7
            # The 64-bit loader needs a 64-bit prefix; the 32-bit one makes what it always made.
            [ "$ZORBEL_WINE_ARCH" = x86_64 ] && export WINEARCH=win64
            # Windows stay managed (Wine's default): the displays the scripts start have a window
            # manager, which frames them and answers when they are hidden.
            zorbel_wine_step wine wineboot -i &&
                zorbel_wine_step wineserver -w &&
                zorbel_wine_check_prefix &&
                zorbel_wine_mark_ready "$dir/win7" || exit 1
        fi
        if ! zorbel_wine_prefix_ready "$dir/win10"; then
            rm -rf "$dir/win10"
            zorbel_wine_step cp -a "$dir/win7" "$dir/win10" || exit 1
            rm -f "$dir/win10/.ready"
            export WINEPREFIX=$dir/win10
            zorbel_wine_step wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f &&
                zorbel_wine_step wineserver -w &&
                zorbel_wine_mark_ready "$dir/win10" || exit 1
        fi
    ) 9>"$ZORBEL_WINE_ROOT/.lock-$ZORBEL_WINE_ARCH"
}

zorbel_wine_prefix() {
    zorbel_wine_templates || return 1
    export WINEPREFIX=${WINEPREFIX:-$(zorbel_wine_templates_dir)/win10}
}

# Copies a template into a fresh prefix for one test: zorbel_wine_fresh_prefix win10|win7 DIR
zorbel_wine_fresh_prefix() {
    zorbel_wine_templates || return 1
    rm -rf "$2"
    cp -a "$(zorbel_wine_templates_dir)/$1" "$2" || return 1
    export WINEPREFIX=$2
}
