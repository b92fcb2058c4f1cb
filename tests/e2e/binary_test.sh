#!/usr/bin/env bash
# The shipped executable: system DLLs only, ASLR and DEP marks with relocations to go with them,
# large-address aware, stack-protected code, a PE checksum that matches its bytes, the Common Controls 6 / asInvoker
# manifest, a version resource and an application icon. Needs no Wine.
source "$(dirname "$0")/lib.sh"
e2e_begin win10 no-wine

[ -f "$E2E_EXE" ] || e2e_fail "no program at $E2E_EXE (build it first)"
objdump=i686-w64-mingw32-objdump
nm=i686-w64-mingw32-nm
headers=$($objdump -p "$E2E_EXE") || e2e_fail "$objdump cannot read $E2E_EXE"

# --- Imports: every DLL must be one that Windows itself provides.
allowed=" kernel32.dll user32.dll gdi32.dll shell32.dll shlwapi.dll ole32.dll comctl32.dll comdlg32.dll
 advapi32.dll imagehlp.dll wininet.dll uxtheme.dll msimg32.dll version.dll msvcrt.dll
 api-ms-win-crt-runtime-l1-1-0.dll api-ms-win-crt-stdio-l1-1-0.dll api-ms-win-crt-heap-l1-1-0.dll
 api-ms-win-crt-string-l1-1-0.dll api-ms-win-crt-math-l1-1-0.dll api-ms-win-crt-locale-l1-1-0.dll
 api-ms-win-crt-convert-l1-1-0.dll api-ms-win-crt-environment-l1-1-0.dll api-ms-win-crt-time-l1-1-0.dll
 api-ms-win-crt-filesystem-l1-1-0.dll api-ms-win-crt-utility-l1-1-0.dll api-ms-win-crt-private-l1-1-0.dll "
allowed=" $(tr '\n' ' ' <<<"$allowed") "
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort -u)
[ -n "$dlls" ] || e2e_fail "no import table found"
for dll in $dlls; do
    case $dll in
        libstdc++* | libgcc* | libwinpthread* | libpng* | zlib* | libz* | libjpeg* | libturbojpeg* | libssp*)
            e2e_fail "the program needs the runtime DLL $dll: it must be linked statically" ;;
    esac
    [[ $allowed == *" $dll "* ]] || e2e_fail "the program imports $dll, which is not on the list of system DLLs"
done
for dll in kernel32.dll user32.dll; do
    grep -qx "$dll" <<<"$dlls" || e2e_fail "the import table lacks $dll: it was not read correctly"
done
e2e_note "imports only system DLLs: $(tr '\n' ' ' <<<"$dlls")"

# --- ASLR and DEP. 32-bit images can only be moved when they keep their relocations.
flags=$(sed -n 's/^DllCharacteristics[[:space:]]*//p' <<<"$headers")
[ -n "$flags" ] || e2e_fail "no DllCharacteristics in the optional header"
(( 0x$flags & 0x40 )) || e2e_fail "DllCharacteristics 0x$flags lacks DYNAMIC_BASE (0x40)"
(( 0x$flags & 0x100 )) || e2e_fail "DllCharacteristics 0x$flags lacks NX_COMPAT (0x100)"
characteristics=$(sed -n 's/^Characteristics[[:space:]]*0x//p' <<<"$headers")
(( 0x$characteristics & 0x1 )) && e2e_fail "the relocations were stripped (Characteristics 0x$characteristics): ASLR cannot move the image"
$objdump -h "$E2E_EXE" | grep -q '[[:space:]]\.reloc[[:space:]]' || e2e_fail "no .reloc section: ASLR cannot move the image"
e2e_note "DllCharacteristics 0x$flags (DYNAMIC_BASE, NX_COMPAT), relocations kept"
# Large captures need more than 2 GB of address space; 64-bit Windows gives a 32-bit program 4 GB
# when it says it can use them.
(( 0x$characteristics & 0x20 )) || e2e_fail "Characteristics 0x$characteristics lacks LARGE_ADDRESS_AWARE (0x20)"

# --- Stack protector: every source of the program is compiled with it, and it shows in the code.
commands=$E2E_BUILD_DIR/compile_commands.json
[ -f "$commands" ] || e2e_fail "no $commands"
unprotected=$(python3 - "$commands" "$E2E_SOURCE_DIR/src/" <<'PY'
import json, sys
entries = json.load(open(sys.argv[1]))
ours = [e for e in entries if e["file"].startswith(sys.argv[2])]
if not ours:
    print("no source of src/ in the compile commands")
for e in ours:
    words = e.get("arguments") or e["command"].split()
    if "-fstack-protector-strong" not in words:
        print(e["file"])
PY
) || e2e_fail "cannot read $commands"
[ -z "$unprotected" ] || e2e_fail "compiled without -fstack-protector-strong: $unprotected"
guarded=0
objects=0
while IFS= read -r -d '' object; do
    objects=$((objects + 1))
    $nm "$object" 2>/dev/null | grep -q '^[[:space:]]*U _*__stack_chk_fail$' && guarded=$((guarded + 1))
done < <(find "$E2E_BUILD_DIR/CMakeFiles" \( -path '*/zorbel_glue.dir/*' -o -path '*/zorbel_portable.dir/*' \
    -o -path '*/zorbel.dir/*' \) -name '*.obj' -print0)
[ "$objects" -gt 0 ] || e2e_fail "no object files of the program under $E2E_BUILD_DIR/CMakeFiles"
[ "$guarded" -gt 0 ] || e2e_fail "none of the $objects objects calls __stack_chk_fail: the stack protector is not in effect"
e2e_note "stack protector: every source compiled with it, $guarded of $objects objects have guarded functions"

# --- PE checksum: the stored value matches the file, and the check notices one damaged byte.
checksum=$E2E_SOURCE_DIR/scripts/pe-checksum.py
python3 "$checksum" verify "$E2E_EXE" || e2e_fail "the stored PE checksum does not match the file"
stored=$(sed -n 's/^CheckSum[[:space:]]*//p' <<<"$headers")
if [ -z "$stored" ] || [ $((0x$stored)) -eq 0 ]; then e2e_fail "no PE checksum stored (CheckSum ${stored:-missing})"; fi
cp "$E2E_EXE" "$E2E_TMP/damaged.exe"
size=$(stat -c %s "$E2E_TMP/damaged.exe")
printf '\x5a' | dd of="$E2E_TMP/damaged.exe" bs=1 seek=$((size / 3)) conv=notrunc status=none
if cmp -s "$E2E_EXE" "$E2E_TMP/damaged.exe"; then
    printf '\xa5' | dd of="$E2E_TMP/damaged.exe" bs=1 seek=$((size / 3)) conv=notrunc status=none
fi
if python3 "$checksum" verify "$E2E_TMP/damaged.exe"; then e2e_fail "a damaged copy still passes the checksum"; fi
e2e_note "PE checksum 0x$stored matches the file"

# --- Resources: manifest, version and icon, read from the resource directory.
build_date=$(sed -n 's/^ZORBEL_BUILD_DATE:[A-Z]*=//p' "$E2E_BUILD_DIR/CMakeCache.txt" 2>/dev/null)
expected_version=$(date -u -d "@${build_date:-1664406106}" +%Y.%-m.%-d.0)
report=$(python3 - "$E2E_EXE" "$expected_version" <<'PY'
import struct, sys
import xml.etree.ElementTree as ET

data = open(sys.argv[1], "rb").read()
expected_version = sys.argv[2]
pe = struct.unpack_from("<I", data, 0x3C)[0]
count = struct.unpack_from("<H", data, pe + 6)[0]
optional_size = struct.unpack_from("<H", data, pe + 20)[0]
magic = struct.unpack_from("<H", data, pe + 24)[0]
directories = pe + 24 + (96 if magic == 0x10B else 112)
resource_rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
sections = []
for i in range(count):
    at = pe + 24 + optional_size + 40 * i
    vsize, rva, raw_size, raw_offset = struct.unpack_from("<IIII", data, at + 8)
    sections.append((rva, max(vsize, raw_size), raw_offset))

def offset_of(rva):
    for start, size, raw in sections:
        if start <= rva < start + size:
            return raw + rva - start
    sys.exit(f"RVA 0x{rva:x} lies in no section")

base = offset_of(resource_rva)

def entries(directory):
    named, numbered = struct.unpack_from("<HH", data, base + directory + 12)
    for i in range(named + numbered):
        name, target = struct.unpack_from("<II", data, base + directory + 16 + 8 * i)
        yield (None if name & 0x80000000 else name), target

def resources(kind):
    found = []
    for type_id, type_dir in entries(0):
        if type_id != kind:
            continue
        for name_id, name_dir in entries(type_dir & 0x7FFFFFFF):
            for _, leaf in entries(name_dir & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", data, base + leaf)
                found.append((name_id, data[offset_of(rva):offset_of(rva) + size]))
    return found

problems = []
manifests = resources(24)
if [n for n, _ in manifests] != [1]:
    problems.append(f"expected one manifest with id 1, found ids {[n for n, _ in manifests]}")
else:
    text = manifests[0][1].decode("utf-8-sig")
    root = ET.fromstring(text)
    ns = {"v1": "urn:schemas-microsoft-com:asm.v1", "v3": "urn:schemas-microsoft-com:asm.v3"}
    ids = root.findall("v1:dependency/v1:dependentAssembly/v1:assemblyIdentity", ns)
    if not any(i.get("name") == "Microsoft.Windows.Common-Controls" and i.get("version") == "6.0.0.0"
               and i.get("type") == "win32" for i in ids):
        problems.append("the manifest does not depend on Microsoft.Windows.Common-Controls 6.0.0.0")
    levels = [e.get("level") for e in root.iter() if e.tag.endswith("}requestedExecutionLevel")]
    if levels != ["asInvoker"]:
        problems.append(f"requested execution levels {levels}, expected ['asInvoker']")
    for word in ("dpiAware", "dpiAwareness", "supportedOS"):
        if any(e.tag.endswith("}" + word) for e in root.iter()):
            problems.append(f"the manifest declares {word}, which the program sets up itself or not at all")

versions = resources(16)
if len(versions) != 1:
    problems.append(f"expected one version resource, found {len(versions)}")
else:
    block = versions[0][1]
    key = "VS_VERSION_INFO".encode("utf-16-le")
    at = block.find(key)
    fixed = block.find(struct.pack("<I", 0xFEEF04BD))
    if at != 6 or fixed < 0:
        problems.append("the version resource is not a VS_VERSION_INFO with fixed file information")
    else:
        ms, ls = struct.unpack_from("<II", block, fixed + 8)
        version = f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
        if version != expected_version:
            problems.append(f"file version {version}, expected {expected_version} (the build date)")
        if "Zorbel!.exe".encode("utf-16-le") not in block:
            problems.append("the version resource does not name Zorbel!.exe")

if not resources(14) or not resources(3):
    problems.append("no application icon (RT_GROUP_ICON and RT_ICON)")

for p in problems:
    print(p)
sys.exit(1 if problems else 0)
PY
) || e2e_fail "resources: $report"
e2e_note "manifest (Common Controls 6.0.0.0, asInvoker), version $expected_version and icon present"
