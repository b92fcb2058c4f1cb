#!/usr/bin/env bash
# Packs the release (run by `make dist` after the build): dist/release/ gets the archive
# Zorbel-<version>.zip, its SHA-256, and the winget and Scoop manifests, all filled from the
# program's version resource and the archive's hash (scripts/dist.py).
#   ZORBEL_DIST_URL     the folder the archive is published in (https://); the manifests'
#                       download address is this plus the archive's name
#   ZORBEL_BUILD_DIR    the build whose program is packed (default build/win32)
#   ZORBEL_EXE          the program (default dist/Zorbel!.exe, the one that build copies there)
#   ZORBEL_RELEASE_DIR  where it all goes (default dist/release; emptied first)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORBEL_BUILD_DIR:-$root/build/win32}
exe=${ZORBEL_EXE:-$root/dist/Zorbel!.exe}
out=${ZORBEL_RELEASE_DIR:-$root/dist/release}
url=${ZORBEL_DIST_URL:-https://zorbel.example.org/files/}

date=$(sed -n 's/^ZORBEL_BUILD_DATE:[A-Z]*=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
if [ -z "$date" ]; then
    echo "dist: no build date in $build/CMakeCache.txt (build the program first: make)" >&2
    exit 1
fi
rm -rf "$out"
python3 "$root/scripts/dist.py" --exe "$exe" --source "$root" --date "$date" --url "$url" --out "$out"
