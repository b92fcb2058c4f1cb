# Sourced by the scripts that run Windows programs under Wine.
#   ZORBEL_WINE_ROOT  where the template prefixes live (default: <repo>/build/wine)
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
zorbel_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ZORBEL_WINE_ROOT=${ZORBEL_WINE_ROOT:-$zorbel_repo/build/wine}

# Makes (once) a template prefix that reports Windows 10 and one that reports Windows 7 (a new
# prefix's default), then points WINEPREFIX at the Windows 10 one unless it is already set.
zorbel_wine_templates() {
    mkdir -p "$ZORBEL_WINE_ROOT"
    local lock=$ZORBEL_WINE_ROOT/.lock
    (
        flock 9
        if [ ! -f "$ZORBEL_WINE_ROOT/win7/.ready" ]; then
            rm -rf "$ZORBEL_WINE_ROOT/win7"
            WINEPREFIX=$ZORBEL_WINE_ROOT/win7 wineboot -i >/dev/null 2>&1
            # Xvfb has no window manager: unmanaged X windows spare every hide or destroy a
            # two-second wait for a manager that never answers.
            WINEPREFIX=$ZORBEL_WINE_ROOT/win7 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
            WINEPREFIX=$ZORBEL_WINE_ROOT/win7 wineserver -w
            touch "$ZORBEL_WINE_ROOT/win7/.ready"
            rm -f "$ZORBEL_WINE_ROOT/win10/.ready"
        fi
        if [ ! -f "$ZORBEL_WINE_ROOT/win10/.ready" ]; then
            rm -rf "$ZORBEL_WINE_ROOT/win10"
            cp -a "$ZORBEL_WINE_ROOT/win7" "$ZORBEL_WINE_ROOT/win10"
            rm -f "$ZORBEL_WINE_ROOT/win10/.ready"
            WINEPREFIX=$ZORBEL_WINE_ROOT/win10 wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1
            WINEPREFIX=$ZORBEL_WINE_ROOT/win10 wineserver -w
            touch "$ZORBEL_WINE_ROOT/win10/.ready"
        fi
    ) 9>"$lock"
}

zorbel_wine_prefix() {
    zorbel_wine_templates
    export WINEPREFIX=${WINEPREFIX:-$ZORBEL_WINE_ROOT/win10}
}

# Copies a template into a fresh prefix for one test: zorbel_wine_fresh_prefix win10|win7 DIR
zorbel_wine_fresh_prefix() {
    zorbel_wine_templates
    rm -rf "$2"
    cp -a "$ZORBEL_WINE_ROOT/$1" "$2"
    export WINEPREFIX=$2
}
