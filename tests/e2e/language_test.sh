#!/usr/bin/env bash
# The language file Language\lang_<language>.txt of the working directory changes the texts of
# the message boxes when its size is right (501 to 4,999 bytes); otherwise, or when the program
# starts from another working directory, the English texts stay. A damaged settings file does
# not stop start-up.
source "$(dirname "$0")/lib.sh"
e2e_begin win10

code=$(e2e_driver locale) || e2e_fail "cannot read the user's language name"
[[ $code =~ ^[a-z]{3}$ ]] || e2e_fail "unexpected language name \"$code\""
e2e_note "the prefix's language name is \"$code\" (file lang_$code.txt)"

english="You can only run one Zorbel!"
german="Sie können nur ein Zorbel! ausführen"
long="Übersetzung-$(printf '%s' {1..60})" # more than the 80 characters that le_Num2 holds
# The first 80 characters (UTF-16 units; all of them are in the BMP), whatever the shell's locale.
long80=$(python3 -c 'import sys; print(sys.argv[1][:80])' "$long")
mkdir -p "$E2E_TMP/work"

# language_file DIR SIZE utf8|latin1 TEXT: DIR/Language/lang_<code>.txt of exactly SIZE bytes
# whose le_Num2 is TEXT, padded with a comment.
language_file() {
    mkdir -p "$1/Language"
    python3 - "$1/Language/lang_$code.txt" "$2" "$3" "$4" <<'PY'
import sys
path, size, encoding, text = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
lines = ["; Zorbel! texts for the end-to-end tests", "[Author]", "la_Lang = Deutsch", "la_Auth = Tests",
         "[Error]", "le_Num2 = " + text, "le_Num3 = Nicht unterstützte Windows-Version."]
if encoding == "utf8":
    head = b"\xef\xbb\xbf" + "".join(l + "\r\n" for l in lines).encode("utf-8")
else:
    head = "".join(l + "\r\n" for l in lines).encode("iso-8859-1")
pad = size - len(head) - len(b"; \r\n")
assert pad >= 0, "file too small for its text"
data = head + b"; " + b"." * pad + b"\r\n"
assert len(data) == size
open(path, "wb").write(data)
PY
}

# second_start NAME DIR EXE EXPECTED: a second instance started in DIR shows EXPECTED and ends.
second_start() {
    local name=$1 dir=$2 exe=$3 expected=$4 status
    e2e_start "$name" "$dir" "$exe"
    e2e_expect_box "$expected"
    status=$(e2e_wait_exit "$name" 10) || e2e_fail "$name: the second instance still runs after its box"
    [ "$status" = 0 ] || e2e_fail "$name: the second instance ended with status $status"
}

e2e_launch first "$E2E_TMP/work" "$E2E_EXE"
core=$E2E_CORE

# name size encoding le_Num2 expected-text
cases=(
    "utf8-1000 1000 utf8 $german|$german"
    "utf8-4999 4999 utf8 $german|$german"
    "utf8-5000 5000 utf8 $german|$english"
    "utf8-501 501 utf8 $german|$german"
    "utf8-500 500 utf8 $german|$english"
    "latin1-1000 1000 latin1 $german|$german"
    "empty-1000 1000 utf8 |$english"
    "long-1000 1000 utf8 $long|$long80"
)
for entry in "${cases[@]}"; do
    shape=${entry%%|*}
    expected=${entry#*|}
    read -r name size encoding text <<<"$shape"
    dir=$E2E_TMP/lang-$name
    language_file "$dir" "$size" "$encoding" "$text" || e2e_fail "cannot write the language file for $name"
    cp "$dir/Language/lang_$code.txt" "$E2E_TMP/$name.orig"
    second_start "$name" "$dir" "$E2E_EXE" "$expected"
    cmp -s "$E2E_TMP/$name.orig" "$dir/Language/lang_$code.txt" || e2e_fail "$name: the language file was changed"
    e2e_note "$name: message 2 reads \"$expected\""
done

# The file beside the program is not looked for: only the working directory counts.
mkdir -p "$E2E_TMP/elsewhere"
cp "$E2E_EXE" "$E2E_TMP/elsewhere/Zorbel!.exe"
language_file "$E2E_TMP/elsewhere" 1000 utf8 "$german"
second_start elsewhere "$E2E_TMP/work" "$E2E_TMP/elsewhere/Zorbel!.exe" "$english"
e2e_note "a language file beside the program but not in the working directory is ignored"

# A Language folder without a file for this language is read from, never written to.
mkdir -p "$E2E_TMP/other/Language"
printf 'x' >"$E2E_TMP/other/Language/lang_zzz.txt"
second_start other "$E2E_TMP/other" "$E2E_EXE" "$english"
[ "$(ls -A "$E2E_TMP/other/Language")" = lang_zzz.txt ] || e2e_fail "the Language folder was changed"
e2e_note "a Language folder without lang_$code.txt gives English and is left as it was"

# The shipped German file, found through the name Windows gives a German user's language. Wine
# takes the language from LANG, and only for a locale that glibc has; one made here is kept in
# the build tree, as making it takes a while.
locales=$E2E_BUILD_DIR/locale
if [ ! -f "$locales/de_DE.UTF-8/LC_CTYPE" ]; then
    mkdir -p "$locales"
    localedef -i de_DE -f UTF-8 "$locales/de_DE.UTF-8" >/dev/null 2>&1
    [ -f "$locales/de_DE.UTF-8/LC_CTYPE" ] || e2e_fail "localedef could not make the de_DE.UTF-8 locale"
fi
german_code=$(LOCPATH=$locales LANG=de_DE.UTF-8 e2e_driver locale)
[ "$german_code" = deu ] || e2e_fail "a German user's language name is \"$german_code\", not deu"
mkdir -p "$E2E_TMP/shipped"
cp -r "$E2E_SOURCE_DIR/Language" "$E2E_TMP/shipped/" || e2e_fail "no Language folder in the source tree"
shipped=$(sed -n 's/^le_Num2 = \(.*\)\r$/\1/p' "$E2E_TMP/shipped/Language/lang_deu.txt")
[ -n "$shipped" ] && [ "$shipped" != "$english" ] || e2e_fail "lang_deu.txt has no German le_Num2"
LOCPATH=$locales LANG=de_DE.UTF-8 second_start shipped-deu "$E2E_TMP/shipped" "$E2E_EXE" "$shipped"
e2e_note "with LANG=de_DE.UTF-8 the shipped lang_deu.txt is read: message 2 reads \"$shipped\""

e2e_exit_by_menu first "$core"

# run_with_settings NAME FILE: the program starts with FILE as its settings file, its tray menu
# opens and Exit ends it; the load leaves the file as it was.
run_with_settings() {
    local name=$1 file=$2 settings
    settings=$(e2e_settings_file)
    cp "$file" "$settings"
    e2e_launch "$name" "$E2E_TMP/work" "$E2E_EXE"
    sleep 1.5
    e2e_exit_by_menu "$name" "$E2E_CORE"
    cmp -s "$file" "$settings" || e2e_fail "$name: loading the settings rewrote the file"
}

python3 -c 'import random, sys; random.seed(20220928); sys.stdout.buffer.write(bytes(random.randrange(256) for _ in range(3000)))' \
    >"$E2E_TMP/random.ini"
run_with_settings random-settings "$E2E_TMP/random.ini"
e2e_note "3,000 random bytes as settings: started, menu opened, Exit worked"

{
    printf '\xEF\xBB\xBF\r\n[Global]\r\n'
    printf 'pCapture = 0x252\r\npTopMost = banana\r\npMessageBeep = 99999999999999999999\r\n'
    printf 'pTopMostCB = -7\r\npCaptureCB\r\n=\r\n]\r\n[[Global]]\r\n'
    printf '[Windows]\r\n1 Title = \x01\t[x] = ;y \xC3\xA9\xE2\x82\xAC \xFF\xFE \xF0\x9F\x98\x80 \x7F ]\r\n'
    printf '1 Filename = C:\\windows\\notepad.exe\r\n1 Classname = \xED\xA0\x80\r\n1 Style = -1\r\n'
    printf '2 Title = =\r\n'
} >"$E2E_TMP/odd.ini"
run_with_settings odd-settings "$E2E_TMP/odd.ini"
e2e_note "settings with bad numbers and a title of odd characters: started, menu opened, Exit worked"
