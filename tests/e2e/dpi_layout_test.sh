#!/usr/bin/env bash
# The tool windows at 144 DPI under Wine are their 96-DPI layout scaled by 1.5, fonts included:
# scripts/screenshots.sh opens each one at both DPIs and keeps the control rectangles that the
# running program made; every rectangle at 144 DPI must be the 96-DPI one scaled, give or take
# the rounding of sums and the system's 1-px lines, which stay 1 px (3 px). The parts that the
# controls make themselves are the system's.
#   ZORBEL_DPI_SHOTS  the windows to compare (default: all the tool windows)
#   ZORBEL_DPI_OUT    a folder to keep the pictures and rectangles in (default: a temporary one)
source "$(dirname "$0")/lib.sh"
e2e_begin win10 no-display
out=${ZORBEL_DPI_OUT:-$E2E_TMP}
shots=(${ZORBEL_DPI_SHOTS:-preferences search monitored-windows window-list info-user})
shots+=(region-magnifier)

for dpi in 96 144; do
    bash "$E2E_SOURCE_DIR/scripts/screenshots.sh" --dpi "$dpi" --out "$out/$dpi" "${shots[@]}" ||
        e2e_fail "scripts/screenshots.sh --dpi $dpi failed"
done

# compare FILE96 FILE144: prints every control whose rectangle is not the scaled one.
compare() {
    awk 'function scaled(v) { return v < 0 ? -int(-v * 1.5 + 0.5) : int(v * 1.5 + 0.5) }
        function off(a, b) { d = a - b; return d > 3 || d < -3 }
        NR == FNR { line[FNR] = $0; next }
        {
            split(line[FNR], old, " ")
            if (old[1] != $1 || ($1 != "client" && old[2] != $2)) { print "line " FNR ": " line[FNR] " became " $0; next }
            # Identifier 0: parts the controls make themselves (a list header, the tab arrows),
            # sized by the system.
            if ($1 == "0") next
            start = $1 == "client" ? 2 : 3
            for (i = start; i <= NF; i++)
                if (off($i, scaled(old[i]))) { print $1 " " $2 ": " line[FNR] " at 96 DPI, " $0 " at 144 DPI"; break }
        }
        END { if (FNR != length(line)) print "the windows have different numbers of controls" }' "$1" "$2"
}

read -r left top right bottom <"$out/96/magnifier.rect"
side96="$((right - left))x$((bottom - top))"
read -r left top right bottom <"$out/144/magnifier.rect"
side144="$((right - left))x$((bottom - top))"
[ "$side144" = "165x165" ] && [ "$side96" = "110x110" ] ||
    e2e_fail "the magnifier is $side96 at 96 DPI and $side144 at 144 DPI, not 110x110 and 165x165"
e2e_note "magnifier: $side96, then $side144"

for name in "${shots[@]}"; do
    [ "$name" = region-magnifier ] && continue
    differences=$(compare "$out/96/$name.controls" "$out/144/$name.controls")
    [ -z "$differences" ] || e2e_fail "$name does not scale from 96 to 144 DPI:"$'\n'"$differences"
    e2e_note "$name: $(($(wc -l <"$out/96/$name.controls") - 1)) controls scale by 1.5"
done
