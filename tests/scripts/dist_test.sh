#!/usr/bin/env bash
# The release: two copies of this tree in folders of different names each build Zorbel!.exe and
# pack it (scripts/dist.sh); the programs, the archives and the manifests must be the same bytes.
# Then the archive's contents and the manifests' fields are checked against what the program,
# the archive and the download address say, and against the fields winget's and Scoop's
# formats require. Builds only the i686 program, over copies of the image libraries in
# build/_deps, with ccache where there is one: every copy has the tree's own layout, so the
# compiles are cache hits after the first build of these sources in any of them.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
deps=$root/build/_deps/i686
if ! ls "$deps"/.built-* >/dev/null 2>&1; then
    echo "no image libraries in $deps: run scripts/fetch-deps.sh i686 build/_deps first" >&2
    exit 1
fi
work=$root/build/dist-test
rm -rf "$work"
trap 'rm -rf "$work"' EXIT
url=https://downloads.example.net/zorbel/releases
if command -v ccache >/dev/null; then
    export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
fi

# The tree as it is now (committed or not), with a language file, built and packed.
copies=(one a-second-copy)
for copy in "${copies[@]}"; do
    dir=$work/$copy
    mkdir -p "$dir/Language" "$dir/build/_deps"
    cp -a "$deps" "$dir/build/_deps/" || { echo "cannot copy $deps" >&2; exit 1; }
    (cd "$root" && git ls-files -z --cached --others --exclude-standard |
        tar --null --ignore-failed-read -T - -cf - 2>/dev/null) | tar -C "$dir" -xf - ||
        { echo "cannot copy the tree to $dir" >&2; exit 1; }
    printf '[Author]\r\nla_Lang = Test\r\n' >"$dir/Language/lang_tst.txt"
    if ! (cd "$dir" && cmake --preset win32 >"$work/$copy.log" 2>&1 &&
          nice cmake --build --preset win32 -j 2 --target zorbel >>"$work/$copy.log" 2>&1 &&
          ZORBEL_DIST_URL=$url bash scripts/dist.sh >>"$work/$copy.log" 2>&1); then
        tail -n 30 "$work/$copy.log" >&2
        echo "FAIL: building or packing $dir failed" >&2
        exit 1
    fi
done
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

one=$work/one
two=$work/a-second-copy
cmp "$one/dist/Zorbel!.exe" "$two/dist/Zorbel!.exe" || fail "the two builds' programs differ"
diff -r "$one/dist/release" "$two/dist/release" >/dev/null ||
    fail "the two releases differ: $(diff -rq "$one/dist/release" "$two/dist/release" | head -n 5)"
for folder in "$one" "$two"; do
    ! grep -q -a -F "$folder" "$folder/dist/Zorbel!.exe" ||
        fail "the program names its build folder $folder"
done

# An address that is not https:// is refused with a message, and nothing is packed.
if out=$(cd "$one" && ZORBEL_RELEASE_DIR=$work/refused ZORBEL_DIST_URL=http://example.net/ bash scripts/dist.sh 2>&1); then
    fail "an http:// download address was accepted"
fi
[[ $out == *"must be an https:// address"* ]] || fail "no clear message for an http:// address: $out"
[ ! -e "$work/refused/Zorbel-"*.zip ] || fail "an archive was packed for a refused address"

date=$(sed -n 's/^ZORBEL_BUILD_DATE:[A-Z]*=//p' "$one/build/win32/CMakeCache.txt")
python3 - "$one" "$url" "$date" <<'PY' || failures=$((failures + 1))
import datetime, hashlib, json, re, sys, zipfile
from pathlib import Path
import yaml

tree, url, date = Path(sys.argv[1]), sys.argv[2], int(sys.argv[3])
when = datetime.datetime.fromtimestamp(date, datetime.timezone.utc)
version = when.strftime("%Y.%m.%d")  # the program's own version text, "Zorbel! v" + this
release = tree / "dist/release"
name = f"Zorbel-{version}.zip"
archive = release / name
problems = []

def check(ok, text):
    if not ok:
        problems.append(text)

data = archive.read_bytes()
sha256 = hashlib.sha256(data).hexdigest()
check((release / f"{name}.sha256").read_text() == f"{sha256}  {name}\n", "the .sha256 file does not match the archive")
with zipfile.ZipFile(archive) as z:
    entries = z.infolist()
    languages = sorted(f"Language/{p.name}" for p in (tree / "Language").glob("*.txt"))
    check("Language/lang_tst.txt" in languages, "the tree copy has no test language file")
    check([e.filename for e in entries] == ["LICENSE.txt", "Language/", *languages, "README.md", "Zorbel!.exe"],
          f"archive entries: {[e.filename for e in entries]}")
    check(all(e.date_time == when.timetuple()[:6] for e in entries), "an archive entry is not dated at the build date")
    check(z.read("Zorbel!.exe") == (tree / "dist/Zorbel!.exe").read_bytes(), "the archive's program is not the built one")
    check(z.read("Language/lang_tst.txt") == (tree / "Language/lang_tst.txt").read_bytes(), "the language file differs")
    check(z.read("LICENSE.txt").startswith(b"MIT License"), "the archive has no MIT licence")

SHA = r"[A-Fa-f0-9]{64}"
TEXT = r"(?s).{2,256}"
# Required fields of each winget manifest (schema 1.6.0) and Scoop's, with their patterns.
REQUIRED = {
    "version": {"PackageIdentifier": r"[^.\s]{1,32}(\.[^.\s]{1,32}){1,7}", "PackageVersion": re.escape(version),
                "DefaultLocale": "en-US", "ManifestType": "version", "ManifestVersion": r"\d+\.\d+\.\d+"},
    "installer": {"PackageIdentifier": "Zorbel.Zorbel", "PackageVersion": re.escape(version),
                  "InstallerType": "zip", "NestedInstallerType": "portable",
                  "ManifestType": "installer", "ManifestVersion": r"\d+\.\d+\.\d+"},
    "defaultLocale": {"PackageIdentifier": "Zorbel.Zorbel", "PackageVersion": re.escape(version),
                      "PackageLocale": r"[a-zA-Z]{2,3}(-[a-zA-Z]{1,8})*", "Publisher": TEXT,
                      "PackageName": "Zorbel!", "License": "MIT", "ShortDescription": r"(?s).{3,256}",
                      "ManifestType": "defaultLocale", "ManifestVersion": r"\d+\.\d+\.\d+"},
    "scoop": {"version": re.escape(version), "homepage": r"https?://\S+", "license": "MIT",
              "url": re.escape(f"{url}/{name}"), "hash": sha256},
}

def fields(kind, manifest):
    for key, pattern in REQUIRED[kind].items():
        value = manifest.get(key)
        check(isinstance(value, str) and re.fullmatch(pattern, value), f"{kind}: {key} is {value!r}, expected /{pattern}/")

folder = release / f"winget/manifests/z/Zorbel/Zorbel/{version}"
for kind, file in [("version", "Zorbel.Zorbel.yaml"), ("installer", "Zorbel.Zorbel.installer.yaml"),
                   ("defaultLocale", "Zorbel.Zorbel.locale.en-US.yaml")]:
    path = folder / file
    if not path.is_file():
        check(False, f"no winget manifest {path}")
        continue
    manifest = yaml.safe_load(path.read_text(encoding="utf-8"))
    fields(kind, manifest)
    if kind == "installer":
        installers = manifest.get("Installers") or []
        check(len(installers) == 1, f"installers: {installers}")
        for item in installers:
            check(item.get("Architecture") in ("x86", "x64", "arm", "arm64", "neutral"), f"architecture {item.get('Architecture')}")
            check(item.get("InstallerUrl") == f"{url}/{name}", f"installer address {item.get('InstallerUrl')}")
            check(re.fullmatch(SHA, item.get("InstallerSha256", "")) and item["InstallerSha256"].lower() == sha256,
                  f"installer hash {item.get('InstallerSha256')} is not the archive's {sha256}")
        nested = manifest.get("NestedInstallerFiles") or []
        check([n.get("RelativeFilePath") for n in nested] == ["Zorbel!.exe"], f"nested files: {nested}")
        check(all(re.fullmatch(r"\S{1,40}", n.get("PortableCommandAlias", "")) for n in nested), f"aliases: {nested}")
scoop = json.loads((release / "scoop/zorbel.json").read_text(encoding="utf-8"))
fields("scoop", scoop)
for problem in problems:
    print(f"FAIL: {problem}", file=sys.stderr)
sys.exit(1 if problems else 0)
PY

[ "$failures" -eq 0 ] || exit 1
echo "release: reproducible, archive and manifests complete"
