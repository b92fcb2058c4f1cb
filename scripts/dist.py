#!/usr/bin/env python3
"""Packs a release of Zorbel!: the archive, its SHA-256 and the manifests that winget and Scoop
install it from. Called by scripts/dist.sh (`make dist`).

    dist.py --exe FILE --source DIR --date SECONDS --url ADDRESS --out DIR

The archive holds Zorbel!.exe, the Language folder (whatever Language/*.txt the source tree
has), README.md and LICENSE.txt. Version, publisher, name, description and copyright come from
the executable's version resource; ADDRESS is the folder the archive is published in. The same
inputs always give the same bytes: the archive's entries are sorted and carry the build date.
"""
import argparse
import hashlib
import json
import re
import struct
import sys
import time
import zipfile
from pathlib import Path

PACKAGE_ID = "Zorbel.Zorbel"
COMMAND_ALIAS = "zorbel"
PROGRAM = "Zorbel!.exe"
MINIMUM_OS = "10.0.14393.0"
WINGET_SCHEMA = "1.6.0"
LOCALE = "en-US"
LICENCES = {"MIT License": "MIT"}  # first line of LICENSE.txt -> SPDX identifier


class DistError(Exception):
    pass


def version_resource(data: bytes) -> dict:
    """The StringFileInfo texts of the executable's VS_VERSIONINFO, by name."""
    key = "VS_VERSION_INFO".encode("utf-16-le")
    at = data.find(key)
    if at < 6:
        raise DistError("the executable has no version resource")
    base = at - 6

    def align(offset: int) -> int:
        return base + ((offset - base + 3) & ~3)

    def block(offset: int):
        length, value_length, kind = struct.unpack_from("<HHH", data, offset)
        end = offset + 6
        while data[end:end + 2] != b"\0\0":
            end += 2
        name = data[offset + 6:end].decode("utf-16-le")
        value_at = align(end + 2)
        size = value_length * 2 if kind == 1 else value_length
        value = data[value_at:value_at + size]
        if kind == 1:
            value = value.decode("utf-16-le").rstrip("\0")
        children = []
        child = align(value_at + size)
        while child < offset + length:
            children.append(block(child)[0])
            child = align(child + struct.unpack_from("<H", data, child)[0])
        return (name, value, children), length

    (_, _, children), _ = block(base)
    texts = {}
    for name, _, tables in children:
        if name == "StringFileInfo":
            for _, _, strings in tables:
                texts.update({key: value for key, value, _ in strings})
    for needed in ("ProductVersion", "ProductName", "CompanyName", "FileDescription", "LegalCopyright"):
        if not texts.get(needed):
            raise DistError(f"the version resource has no {needed}")
    return texts


def home_page(source: Path) -> str:
    header = (source / "src/settings/ProjectInfo.h").read_text(encoding="utf-8")
    found = re.search(r'kProjectHomePage\s*=\s*u"([^"]+)"', header)
    if not found:
        raise DistError("src/settings/ProjectInfo.h names no home page")
    return found.group(1)


def licence(source: Path) -> str:
    first = (source / "LICENSE.txt").read_text(encoding="utf-8").splitlines()[0].strip()
    if first not in LICENCES:
        raise DistError(f"LICENSE.txt begins with \"{first}\", not a licence this script knows")
    return LICENCES[first]


def archive(path: Path, files: list, directories: list, date: int) -> None:
    stamp = time.gmtime(date)[:6]
    with zipfile.ZipFile(path, "w") as out:
        for name, source in sorted([(d + "/", None) for d in directories] + files):
            entry = zipfile.ZipInfo(name, date_time=stamp)
            entry.create_system = 0  # MS-DOS attributes, as Windows' own archives carry
            if source is None:
                entry.external_attr = 0x10  # FILE_ATTRIBUTE_DIRECTORY
                out.writestr(entry, b"")
            else:
                entry.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE
                entry.compress_type = zipfile.ZIP_DEFLATED
                out.writestr(entry, source.read_bytes(), compresslevel=9)


def yaml_lines(pairs) -> str:
    """YAML text of (key, value) pairs; a value is a string, or a list of dicts of strings.
    Strings are written as JSON strings, which YAML reads as they are."""
    lines = []
    for key, value in pairs:
        if isinstance(value, list):
            lines.append(f"{key}:")
            for item in value:
                prefix = "- "
                for inner_key, inner in item.items():
                    lines.append(f"{prefix}{inner_key}: {json.dumps(inner)}")
                    prefix = "  "
        else:
            lines.append(f"{key}: {json.dumps(value)}")
    return "\n".join(lines) + "\n"


def winget(out: Path, texts: dict, url: str, sha256: str, homepage: str, licence_id: str) -> Path:
    version = texts["ProductVersion"]
    folder = out / "manifests" / PACKAGE_ID[0].lower() / Path(*PACKAGE_ID.split(".")) / version
    folder.mkdir(parents=True, exist_ok=True)
    common = [("PackageIdentifier", PACKAGE_ID), ("PackageVersion", version)]
    tail = [("ManifestVersion", WINGET_SCHEMA)]
    schema = "# yaml-language-server: $schema=https://aka.ms/winget-manifest.{}." + WINGET_SCHEMA + ".schema.json\n\n"
    (folder / f"{PACKAGE_ID}.yaml").write_text(schema.format("version") + yaml_lines(
        common + [("DefaultLocale", LOCALE), ("ManifestType", "version")] + tail), encoding="utf-8")
    (folder / f"{PACKAGE_ID}.installer.yaml").write_text(schema.format("installer") + yaml_lines(
        common + [
            ("MinimumOSVersion", MINIMUM_OS),
            ("InstallerType", "zip"),
            ("NestedInstallerType", "portable"),
            ("NestedInstallerFiles", [{"RelativeFilePath": PROGRAM, "PortableCommandAlias": COMMAND_ALIAS}]),
            ("ReleaseDate", version.replace(".", "-")),
            ("Installers", [{"Architecture": "x86", "InstallerUrl": url, "InstallerSha256": sha256.upper()}]),
            ("ManifestType", "installer"),
        ] + tail), encoding="utf-8")
    (folder / f"{PACKAGE_ID}.locale.{LOCALE}.yaml").write_text(schema.format("defaultLocale") + yaml_lines(
        common + [
            ("PackageLocale", LOCALE),
            ("Publisher", texts["CompanyName"]),
            ("PackageName", texts["ProductName"]),
            ("PackageUrl", homepage),
            ("License", licence_id),
            ("Copyright", texts["LegalCopyright"]),
            ("ShortDescription", texts["FileDescription"]),
            ("ManifestType", "defaultLocale"),
        ] + tail), encoding="utf-8")
    return folder


def scoop(out: Path, texts: dict, url: str, sha256: str, homepage: str, licence_id: str) -> Path:
    folder = out / "scoop"
    folder.mkdir(parents=True, exist_ok=True)
    manifest = {
        "version": texts["ProductVersion"],
        "description": texts["FileDescription"],
        "homepage": homepage,
        "license": licence_id,
        "url": url,
        "hash": sha256,
        "shortcuts": [[PROGRAM, texts["ProductName"]]],
    }
    path = folder / f"{COMMAND_ALIAS}.json"
    path.write_text(json.dumps(manifest, indent=4) + "\n", encoding="utf-8")
    return path


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe", type=Path, required=True)
    parser.add_argument("--source", type=Path, required=True)
    parser.add_argument("--date", type=int, required=True)
    parser.add_argument("--url", required=True)
    parser.add_argument("--out", type=Path, required=True)
    args = parser.parse_args()
    try:
        if not re.match(r"^https://[^/\s]+(/\S*)?$", args.url):
            raise DistError(f"the download address must be an https:// address, not \"{args.url}\"")
        if not args.exe.is_file():
            raise DistError(f"no program at {args.exe} (build it first)")
        texts = version_resource(args.exe.read_bytes())
        homepage = home_page(args.source)
        licence_id = licence(args.source)
        version = texts["ProductVersion"]
        languages = sorted((args.source / "Language").glob("*.txt"))
        files = [(PROGRAM, args.exe), ("README.md", args.source / "README.md"),
                 ("LICENSE.txt", args.source / "LICENSE.txt")]
        files += [(f"Language/{path.name}", path) for path in languages]
        args.out.mkdir(parents=True, exist_ok=True)
        name = f"Zorbel-{version}.zip"
        path = args.out / name
        archive(path, files, ["Language"], args.date)
        sha256 = hashlib.sha256(path.read_bytes()).hexdigest()
        (args.out / f"{name}.sha256").write_text(f"{sha256}  {name}\n", encoding="utf-8")
        url = args.url.rstrip("/") + "/" + name
        folder = winget(args.out / "winget", texts, url, sha256, homepage, licence_id)
        scoop_path = scoop(args.out, texts, url, sha256, homepage, licence_id)
    except (DistError, OSError) as error:
        print(f"dist: {error}", file=sys.stderr)
        return 1
    print(f"dist: {path} ({len(languages)} language files)")
    print(f"dist: {path}.sha256: {sha256}")
    print(f"dist: winget manifests in {folder}")
    print(f"dist: Scoop manifest {scoop_path}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
