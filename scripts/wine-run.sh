#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's test prefix (made on first use).
# Used as CMake's cross-compiling emulator, so ctest runs the Win32 tests through it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
zorbel_wine_prefix
exec wine "$@"
