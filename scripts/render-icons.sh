#!/usr/bin/env bash
# Rasterises the menu images and the application icon from their SVG sources.
#
#   scripts/render-icons.sh <out-dir>
#
# Writes <out-dir>/NN.png (64 x 64) for every res/icons/NN-*.svg, and
# <out-dir>/zorbel.ico from res/icons/app.svg holding 16, 20, 24, 32, 40, 48,
# 64 and 256 px PNG-compressed images. Needs rsvg-convert (librsvg2-bin) and
# python3. Output is byte-for-byte the same on every run with the same tools.
set -euo pipefail

if [ $# -ne 1 ] || [ -z "$1" ]; then
    echo "usage: $0 <out-dir>" >&2
    exit 2
fi
out=$1
src="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/res/icons"

command -v rsvg-convert >/dev/null || { echo "render-icons: rsvg-convert not found (apt-get install librsvg2-bin)" >&2; exit 1; }
command -v python3 >/dev/null || { echo "render-icons: python3 not found" >&2; exit 1; }
[ -f "$src/app.svg" ] || { echo "render-icons: $src/app.svg missing" >&2; exit 1; }

mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Every menu image slot the program loads; slot 25 is not used.
expected=(01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 26 27)
declare -A seen=()

shopt -s nullglob
for svg in "$src"/[0-9][0-9]-*.svg; do
    slot=$(basename "$svg"); slot=${slot:0:2}
    if [ -n "${seen[$slot]:-}" ]; then
        echo "render-icons: two sources for slot $slot: ${seen[$slot]} and $svg" >&2
        exit 1
    fi
    seen[$slot]=$svg
    rsvg-convert --format=png --width=64 --height=64 --output="$tmp/$slot.png" "$svg"
    mv -f "$tmp/$slot.png" "$out/$slot.png"
done
for slot in "${expected[@]}"; do
    [ -n "${seen[$slot]:-}" ] || { echo "render-icons: no source for slot $slot in $src" >&2; exit 1; }
done

sizes=(16 20 24 32 40 48 64 256)
pngs=()
for s in "${sizes[@]}"; do
    rsvg-convert --format=png --width="$s" --height="$s" --output="$tmp/app-$s.png" "$src/app.svg"
    pngs+=("$tmp/app-$s.png")
done

# ICO container: ICONDIR, one ICONDIRENTRY per image, then the PNG streams.
python3 - "$tmp/zorbel.ico" "${pngs[@]}" <<'PY'
import struct, sys
dst, paths = sys.argv[1], sys.argv[2:]
images = []
for p in paths:
    data = open(p, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit("render-icons: %s is not a PNG" % p)
    w, h = struct.unpack(">II", data[16:24])
    if w != h or not 1 <= w <= 256:
        sys.exit("render-icons: %s has unusable size %dx%d" % (p, w, h))
    images.append((w, data))
offset = 6 + 16 * len(images)
head = struct.pack("<HHH", 0, 1, len(images))
for w, data in images:
    b = w % 256  # 256 is stored as 0
    head += struct.pack("<BBBBHHII", b, b, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
with open(dst, "wb") as f:
    f.write(head)
    for _, data in images:
        f.write(data)
PY
mv -f "$tmp/zorbel.ico" "$out/zorbel.ico"
echo "render-icons: ${#seen[@]} images and zorbel.ico written to $out"
