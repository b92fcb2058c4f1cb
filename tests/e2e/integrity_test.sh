#!/usr/bin/env bash
# Copies of the program with one damaged byte show "Executable file has been corrupted." and end,
# even while an intact copy runs (the self-check comes before the single-instance check); the
# intact copy at another path starts normally and is then left through Exit.
source "$(dirname "$0")/lib.sh"
e2e_begin win10

checksum=$E2E_SOURCE_DIR/scripts/pe-checksum.py
mkdir -p "$E2E_TMP/work" "$E2E_TMP/intact"
cp "$E2E_EXE" "$E2E_TMP/intact/Zorbel!.exe"
python3 "$checksum" verify "$E2E_TMP/intact/Zorbel!.exe" || e2e_fail "the built program's stored checksum is already wrong"

# damaged_copy NAME WHERE: a copy with the byte at WHERE (middle = middle of the file, rsrc =
# middle of the resource section) inverted; prints the offset and the section it lies in.
damaged_copy() {
    mkdir -p "$E2E_TMP/$1"
    cp "$E2E_EXE" "$E2E_TMP/$1/Zorbel!.exe"
    python3 - "$E2E_TMP/$1/Zorbel!.exe" "$2" <<'PY'
import struct, sys
path, where = sys.argv[1], sys.argv[2]
data = bytearray(open(path, "rb").read())
pe = struct.unpack_from("<I", data, 0x3C)[0]
count = struct.unpack_from("<H", data, pe + 6)[0]
optional_size = struct.unpack_from("<H", data, pe + 20)[0]
sections = []
for i in range(count):
    at = pe + 24 + optional_size + 40 * i
    name = data[at:at + 8].rstrip(b"\0").decode()
    raw_size, raw_offset = struct.unpack_from("<II", data, at + 16)
    sections.append((name, raw_offset, raw_size))
if where == "middle":
    offset = len(data) // 2
else:
    name, raw_offset, raw_size = next(s for s in sections if s[0] == ".rsrc")
    offset = raw_offset + raw_size // 2
section = next((s[0] for s in sections if s[1] <= offset < s[1] + s[2]), "no section")
data[offset] ^= 0xFF
open(path, "wb").write(data)
print(f"0x{offset:x} in {section}")
PY
}

e2e_launch intact "$E2E_TMP/work" "$E2E_TMP/intact/Zorbel!.exe"
core=$E2E_CORE
e2e_note "intact copy runs, core window $core"

for where in middle rsrc; do
    place=$(damaged_copy "damaged-$where" "$where") || e2e_fail "cannot make the damaged copy ($where)"
    if python3 "$checksum" verify "$E2E_TMP/damaged-$where/Zorbel!.exe"; then
        e2e_fail "inverting the byte at $place left the checksum intact: the copy is not damaged"
    fi
    e2e_start "damaged-$where" "$E2E_TMP/work" "$E2E_TMP/damaged-$where/Zorbel!.exe"
    e2e_expect_box "Executable file has been corrupted."
    status=$(e2e_wait_exit "damaged-$where" 10) || e2e_fail "the damaged copy ($place) still runs after its box"
    [ "$status" = 0 ] || e2e_fail "the damaged copy ($place) ended with status $status, expected 0"
    e2e_note "byte at $place inverted: message 5, ended with status 0"
done

e2e_running intact || e2e_fail "the intact copy ended while the damaged ones ran"
[ "$(e2e_core 1000)" = "$core" ] || e2e_fail "the intact copy's core window is gone"
e2e_exit_by_menu intact "$core"
e2e_note "intact copy left through Exit with status 0"
