#!/usr/bin/env bash
# The corpus of real screenshots and photos (scripts/make-corpus.sh, kept in build/corpus) through
# the PNG encoder: every picture must come back exactly, through libpng and through ImageMagick,
# which shares no code with it, and no larger than libpng's own file beyond what each kind of
# content allows (screens no larger, photos at most 5 per cent, a photo on a desktop 2 per cent).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
corpus=${ZORBEL_CORPUS_DIR:-$root/build/corpus}
bench=$root/build/native/png_encoding_bench
[ -x "$bench" ] || { echo "corpus_test: build the native preset first ($bench is missing)" >&2; exit 1; }
bash "$root/scripts/make-corpus.sh" "$corpus" >/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

pictures=("$corpus"/*.png)
[ "${#pictures[@]}" -ge 10 ] || { echo "corpus_test: only ${#pictures[@]} pictures in $corpus" >&2; exit 1; }
failed=0
"$bench" --check "$out" "${pictures[@]}" >"$out/sizes.txt" || failed=1
cat "$out/sizes.txt"
while read -r name probe libpng ours change rest; do
    case $name in
    photo-*) allowed=5.0 kind=photo ;;
    mixed-*) allowed=2.0 kind=photo ;;
    *) allowed=0.0 kind=screen ;;
    esac
    if [ "$probe" != "$kind" ]; then
        echo "FAIL $name: taken for $probe content, not $kind" >&2
        failed=1
    fi
    if awk -v c="$change" -v a="$allowed" 'BEGIN { exit !(c + 0 > a + 0) }'; then
        echo "FAIL $name: $ours bytes, $change % against libpng's $libpng (at most +$allowed %)" >&2
        failed=1
    fi
    [ -z "$rest" ] || { echo "FAIL $name: $rest" >&2; failed=1; }
    if ! cmp -s <(/usr/bin/convert "$corpus/$name" -depth 8 rgb:-) <(/usr/bin/convert "PNG:$out/$name" -depth 8 rgb:-); then
        echo "FAIL $name: ImageMagick reads other pixels from our file" >&2
        failed=1
    fi
done <"$out/sizes.txt"
[ "$(wc -l <"$out/sizes.txt")" -eq "${#pictures[@]}" ] || { echo "FAIL: not every picture was checked" >&2; failed=1; }
[ "$failed" -eq 0 ] && echo "corpus_test: ${#pictures[@]} pictures read back exactly, sizes within bounds"
exit "$failed"
