#!/usr/bin/env bash
# The Wine host detection of scripts/wine-env.sh, with stand-in loaders: a file that fails with
# "Exec format error" as Wine's 32-bit loader does on hosts that run only 64-bit code, and small
# scripts that answer like a working loader. Needs no Wine.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# An ELF header for no machine this host runs: execve refuses it with ENOEXEC.
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\xff\xff' >"$tmp/unrunnable"
chmod +x "$tmp/unrunnable"
"$tmp/unrunnable" --version >/dev/null 2>&1 && { echo "the stand-in for a foreign loader runs here" >&2; exit 1; }
# A loader that runs: it reports its version, logs every other call, and makes a prefix when
# asked to unless told to fail.
cat >"$tmp/loader" <<'SH'
#!/bin/sh
[ "$1" = --version ] && { echo wine-8.0; exit 0; }
echo "$0 WINELOADER=${WINELOADER:-} WINEARCH=${WINEARCH:-} $*" >>"$LOG"
case "$1 ${MODE:-ok}" in
    "wineboot fail") echo "cannot boot" >&2; exit 3 ;;
    "wineboot ok") mkdir -p "$WINEPREFIX/drive_c/windows/system32" && echo reg >"$WINEPREFIX/system.reg" ;;
esac
exit 0
SH
chmod +x "$tmp/loader"
cp "$tmp/loader" "$tmp/loader64"

# detect ARCH32-LOADER ARCH64-LOADER FORCED: prints the chosen architecture, the preset and the
# announcement, or "error" and the message.
detect() {
    env -u ZORBEL_WINE_HOST32 -u ZORBEL_WINE_HOST64 -u ZORBEL_WINE_FORCED \
        ZORBEL_WINE32_LOADER="$1" ZORBEL_WINE64_LOADER="$2" ZORBEL_WINE_ARCH="$3" \
        bash -c 'source "$0/scripts/wine-env.sh"
                 [ -n "$ZORBEL_WINE_ARCH" ] || unset ZORBEL_WINE_ARCH
                 if zorbel_wine_detect 2>"$1/err"; then
                     echo "$ZORBEL_WINE_ARCH $(zorbel_wine_preset) | $(zorbel_wine_announce)"
                 else
                     echo "error | $(cat "$1/err")"
                 fi' "$root" "$tmp"
}

# 32-bit loader | 64-bit loader | forced | expected start | expected text in the line (TMP: the
# temporary folder)
while IFS='|' read -r l32 l64 forced start text; do
    l32=$(echo $l32) l64=$(echo $l64) forced=$(echo $forced) start=$(echo $start)
    text=$(sed 's/^ *//; s/ *$//' <<<"$text")
    got=$(detect "${l32/TMP/$tmp}" "${l64/TMP/$tmp}" "$forced" | sed "s|$tmp|TMP|g")
    [[ $got == "$start |"* ]] || fail "loaders $l32/$l64 forced '$forced': expected '$start', got: $got"
    [[ $got == *"$text"* ]] || fail "loaders $l32/$l64 forced '$forced': expected '$text' in: $got"
done <<'TABLE'
TMP/loader     | TMP/loader64   |        | i686 win32    | 32- and 64-bit Windows programs run here; the Wine steps use the i686 build
TMP/unrunnable | TMP/loader64   |        | x86_64 win64  | only 64-bit Windows programs run here (TMP/unrunnable cannot run); the Wine steps use the x86_64 build
TMP/missing    | TMP/loader64   |        | x86_64 win64  | the Wine steps use the x86_64 build
TMP/loader     | TMP/loader64   | x86_64 | x86_64 win64  | the Wine steps use the x86_64 build, as ZORBEL_WINE_ARCH asks
TMP/loader     | TMP/unrunnable |        | i686 win32    | only 32-bit Windows programs run here
TMP/unrunnable | TMP/loader64   | i686   | error         | ZORBEL_WINE_ARCH=i686, but Wine's 32-bit loader TMP/unrunnable does not run here
TMP/loader     | TMP/unrunnable | x86_64 | error         | ZORBEL_WINE_ARCH=x86_64, but Wine's 64-bit loader TMP/unrunnable does not run here
TMP/unrunnable | TMP/unrunnable |        | error         | neither TMP/unrunnable nor TMP/unrunnable runs here
TMP/loader     | TMP/loader64   | arm64  | error         | ZORBEL_WINE_ARCH must be i686 or x86_64
TABLE

# make_templates ARCH MODE [keep]: makes the templates with the stand-in loaders (in a new
# folder, or with keep over what is there); the loader's calls go to $tmp/log.
make_templates() {
    [ "${3:-}" = keep ] || rm -rf "$tmp/wine"
    rm -f "$tmp/log"
    env -u ZORBEL_WINE_HOST32 -u ZORBEL_WINE_HOST64 -u WINEPREFIX -u WINEARCH \
        ZORBEL_WINE32_LOADER="$tmp/unrunnable" ZORBEL_WINE64_LOADER="$tmp/loader64" \
        ZORBEL_WINE_ARCH="$1" MODE="$2" LOG="$tmp/log" ZORBEL_WINE_ROOT="$tmp/wine" \
        PATH="$tmp/bin:$PATH" \
        bash -c 'source "$0/scripts/wine-env.sh"; zorbel_wine_templates' "$root" 2>"$tmp/err"
}
mkdir -p "$tmp/bin"
printf '#!/bin/sh\nexit 0\n' >"$tmp/bin/wineserver" # the stand-in prefixes have no server
chmod +x "$tmp/bin/wineserver"

# A host that runs only 64-bit code: a 64-bit prefix, through the 64-bit loader named as
# WINELOADER, and both templates marked ready.
if make_templates x86_64 ok; then
    grep -q "^$tmp/loader64 WINELOADER=$tmp/loader64 WINEARCH=win64 wineboot -i" "$tmp/log" ||
        fail "the prefix was not made by the 64-bit loader in a win64 prefix: $(cat "$tmp/log")"
    grep -q "reg add HKCU.Software.Wine /v Version /d win10" "$tmp/log" || fail "the Windows 10 template was not set up"
    for t in win7 win10; do
        [ -f "$tmp/wine/x86_64/$t/.ready" ] || fail "the $t template is not marked ready"
    done
    # Windows stay managed: the scripts' displays have a window manager.
    ! grep -q "Managed" "$tmp/log" || fail "the templates make X windows unmanaged: $(grep Managed "$tmp/log")"
    # A template of the earlier kind (an empty .ready, unmanaged windows) is made again; a
    # current one is kept.
    make_templates x86_64 ok keep
    [ ! -e "$tmp/log" ] || fail "current templates were made again: $(cat "$tmp/log")"
    for t in win7 win10; do : >"$tmp/wine/x86_64/$t/.ready"; done
    make_templates x86_64 ok keep
    grep -q "wineboot -i" "$tmp/log" || fail "templates of the earlier kind were kept"
    for t in win7 win10; do
        [ -s "$tmp/wine/x86_64/$t/.ready" ] || fail "the remade $t template is not marked ready"
    done
else
    fail "making the templates failed: $(cat "$tmp/err")"
fi
# A failing wineboot, and one that ends with 0 but makes nothing: a clear message, nothing ready.
for mode in fail nothing; do
    if make_templates x86_64 "$mode"; then
        fail "making the templates succeeded although wineboot did not make a prefix ($mode)"
    fi
    grep -q "wineboot" "$tmp/err" || fail "the message does not name the failed command ($mode): $(cat "$tmp/err")"
    [ -z "$(find "$tmp/wine" -name .ready)" ] || fail "a template was marked ready after a failed wineboot ($mode)"
done

[ "$failures" -eq 0 ] || exit 1
echo "wine host detection: all cases passed"
