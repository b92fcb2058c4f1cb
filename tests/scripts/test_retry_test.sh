#!/usr/bin/env bash
# The second runs of scripts/test.sh: a failed test runs again only when docs/WINE-NOTES.md names
# it as a Wine flake, and one that passes then is named in the summary. A ctest project of three
# stand-in tests: one that fails its first run only, one that always fails and is not listed,
# one that always passes. Needs no Wine.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

mkdir -p "$tmp/project" "$tmp/docs"
cat >"$tmp/project/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.16)
project(retry NONE)
enable_testing()
add_test(NAME e2e.once COMMAND sh -c "[ -e once ] || { touch once; exit 1; }")
add_test(NAME e2e.always COMMAND sh -c "exit 1")
add_test(NAME e2e.steady COMMAND true)
CMAKE
cmake -S "$tmp/project" -B "$tmp/build" >/dev/null || { echo "cmake failed" >&2; exit 1; }

# The two tests Wine is said to fail now and then; e2e.always is not among them.
printf '# notes\n\n## Tests that get a second run\n\n- `e2e.once`: a stand-in.\n- `e2e.other`: another.\n\n## Next\n- `e2e.always`: not a flake.\n' \
    >"$tmp/docs/WINE-NOTES.md"

# The functions under test, as scripts/test.sh defines them.
source <(sed -n '/^run_ctest() {/,/^}/p; /^known_flakes() {/,/^}/p; /^retry_known_flakes() {/,/^}/p' "$root/scripts/test.sh")
cd "$tmp" || exit 1
logs=$tmp/logs
mkdir -p "$logs"
passed=0
failed=0
broken=()
second_runs=()
last_failed=()
run_ctest stand-ins --test-dir "$tmp/build" >/dev/null
retry_known_flakes stand-ins --test-dir "$tmp/build" >/dev/null

[ "$passed" = 2 ] || fail "passed: $passed, expected 2 (steady, and once on its second run)"
[ "$failed" = 1 ] || fail "failed: $failed, expected 1 (always)"
[ "${second_runs[*]}" = e2e.once ] || fail "named as passing on a second run: '${second_runs[*]}', expected e2e.once"
[ "${broken[*]}" = stand-ins ] || fail "broken: '${broken[*]}'"
grep -q 'e2e.always' "$logs/stand-ins.again.log" 2>/dev/null && fail "e2e.always, not a listed flake, ran again"

[ "$failures" -eq 0 ] || exit 1
echo "test retry: passed"
