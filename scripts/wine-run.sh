#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's test prefix (made on first use).
# Used as CMake's cross-compiling emulator, so ctest runs the Win32 tests through it.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
zorbel_wine_prefix
# The first program of a wineserver starts Wine's services and its desktop process, which live
# on and inherit the program's output. Were that ctest's pipe, ctest would wait for them until
# its time-out: so the output goes through a file, and is copied out once the program ended.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
wine "$@" >"$output" 2>&1
status=$?
cat "$output"
exit $status
