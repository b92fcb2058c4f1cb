#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's test prefix (made on first use):
#   wine-run.sh i686|x86_64 PROGRAM [ARGS...]
# CMake's cross-compiling emulator, with the build's architecture as first argument, so ctest
# runs each build's Win32 tests with the loader and prefixes of that architecture.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export ZORBEL_WINE_ARCH=$1
shift
source "$here/wine-env.sh"
zorbel_wine_prefix || exit 1
# The first program of a wineserver starts Wine's services and its desktop process, which live
# on and inherit the program's output. Were that ctest's pipe, ctest would wait for them until
# its time-out: so the output goes through a file, and is copied out once the program ended.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
wine "$@" >"$output" 2>&1
status=$?
cat "$output"
exit $status
