#!/usr/bin/env bash
# Kills a program that saves the settings file in a tight loop, at random moments, again and
# again: after every kill the file must be whole (one complete save, never a cut or mixed one).
# Each kill must end the Windows process itself; a writer that lived on would race the next one.
#   ZORBEL_SAVEKILL_ROUNDS   number of kills (default 100)
#   ZORBEL_SAVETRIAL         the saving program (default: savetrial_win.exe of the build)
source "$(dirname "$0")/lib.sh"
e2e_begin win10 no-display

trial=${ZORBEL_SAVETRIAL:-$E2E_BUILD_DIR/savetrial_win.exe}
rounds=${ZORBEL_SAVEKILL_ROUNDS:-100}
[ -f "$trial" ] || e2e_fail "no $trial (build it first)"
folder=$E2E_TMP/appdata
mkdir -p "$folder"
winfolder=$(e2e_winpath "$folder")
file=$folder/Zorbel!/Zorbel!.ini

# The file as the trial writes it, checked line by line without the program's own reader: the
# frame, [Global] with its twelve keys in order, then eight whole rules of the same save.
cat >"$E2E_TMP/check.py" <<'PY'
import sys

keys = ["pImageFormat", "pMessageBeep", "pAdministrator", "pClipboard", "pDialogue", "pRepeatCapture",
        "pMagnifyWindow", "pCapture", "pCaptureCB", "pTopMost", "pTopMostCB", "pUpdate"]

def expected_title(n, save):
    title = f"Fenêtre {n} of save {save}: "
    length = 200 + save % 97 + 13 * n
    while len(title) < length:
        title += "abcdefghijklmnopqrstuvwxyz0123456789 "
    return title[:length - 1] + "."

def check(data):
    if not data.startswith(b"\xef\xbb\xbf\r\n"):
        return "does not start with the byte-order mark and CR LF"
    if not data.endswith(b"\r\n"):
        return "the last line is not ended by CR LF"
    try:
        lines = data[5:-2].decode("utf-8").split("\r\n")
    except UnicodeDecodeError as e:
        return f"not UTF-8: {e}"
    if lines[:1] != ["[Global]"]:
        return "no [Global] at the top"
    values = {}
    for key, line in zip(keys, lines[1:13]):
        name, _, value = line.partition(" = ")
        if name != key or not value.lstrip("-").isdigit():
            return f"expected {key} = <number>, found {line!r}"
        values[key] = int(value)
    if len(lines) < 14 or lines[13] != "[Windows]":
        return "[Global] is cut short or [Windows] is missing"
    save = values["pUpdate"]
    rules = lines[14:]
    if len(rules) != 8 * 5:
        return f"[Windows] holds {len(rules)} lines, expected 40"
    for n in range(1, 9):
        block = rules[5 * (n - 1):5 * n]
        title = block[0].partition(" = ")[2]
        expected = [f"{n} Title = ", f"{n} Filename = ", f"{n} Classname = TrialClass{n}",
                    f"{n} Style = {save}", f"{n} Exstyle = {-save}"]
        if not all(line.startswith(e) for line, e in zip(block, expected)) or block[2] != expected[2] \
                or block[3] != expected[3] or block[4] != expected[4]:
            return f"rule {n} is not whole or not of save {save}: {block!r}"[:300]
        if title != expected_title(n, save):
            return f"rule {n} has a cut or foreign title"
    return None

try:
    data = open(sys.argv[1], "rb").read()
except OSError as e:
    print(f"cannot read the file: {e}")
    sys.exit(1)
problem = check(data)
if problem:
    print(problem)
    sys.exit(1)
PY

init=$(wine "$trial" init "$winfolder" | tr -d '\r')
[ "$init" = "check ok 0" ] || e2e_fail "the first save is not whole: $init"
python3 "$E2E_TMP/check.py" "$file" || e2e_fail "the checker rejects a save that nobody interrupted"

# The temporary files of the settings saves, by their exact pattern, one name a line.
temporaries() {
    find "$folder/Zorbel!" -maxdepth 1 -type f -regextype posix-extended \
        -regex '.*/Zorbel!\.ini\.[0-9a-f]{8}\.tmp' -printf '%f\n' | sort
}

damaged=0
interrupted=0
reloaded=0
last_save=0
mkdir -p "$E2E_TMP/damaged"
for ((round = 1; round <= rounds; round++)); do
    before=$(temporaries)
    e2e_spawn run "$trial" run "$winfolder"
    # Start-up takes about 0.1 s; the rest of the delay is spent saving.
    sleep "0.$((150 + RANDOM % 450))"
    e2e_kill "$E2E_SPAWNED" "$trial"
    # The trial's own start checked what the previous kill left, with the program's loader.
    out=$(tr -d '\r' <"$E2E_TMP/run.out")
    case $out in
        "check ok "*) reloaded=$((reloaded + 1)) ;;
        "check failed"*)
            damaged=$((damaged + 1))
            echo "round $((round - 1)): the program's loader says: ${out#check failed: }" >&2 ;;
    esac
    # Temporary names are new with every save: one that was not there before this round is a
    # save of this very process that the kill cut short.
    [ -n "$(comm -13 <(echo "$before") <(temporaries))" ] && interrupted=$((interrupted + 1))
    if ! reason=$(python3 "$E2E_TMP/check.py" "$file"); then
        damaged=$((damaged + 1))
        echo "round $round: the file is damaged: $reason" >&2
        cp "$file" "$E2E_TMP/damaged/round-$round.ini" 2>/dev/null
        # Start again from a whole file, so that one damaged file is counted once.
        wine "$trial" init "$winfolder" >/dev/null
    fi
done
final=$(wine "$trial" check "$winfolder" | tr -d '\r')
case $final in
    "check ok "*) last_save=${final#check ok } ;;
    *) damaged=$((damaged + 1)); echo "after the last kill the program's loader says: $final" >&2 ;;
esac
# The next save clears what the kills left, and nothing else.
touch "$folder/Zorbel!/Zorbel!.ini.tmp"
wine "$trial" init "$winfolder" >/dev/null
left=$(temporaries)
[ -z "$left" ] || e2e_fail "a save left the temporary files of earlier saves: $left"
[ -e "$folder/Zorbel!/Zorbel!.ini.tmp" ] || e2e_fail "a save removed a file that is not its own"

echo "kills: $rounds; damaged files: $damaged ($((damaged * 100 / rounds))%);" \
    "kills that interrupted a save (its temporary file left): $interrupted;" \
    "files reloaded by the program's loader: $((reloaded + 1)); saves made: $last_save"
[ "$damaged" -eq 0 ] || e2e_fail "$damaged of $rounds kills left a damaged settings file"
[ "$last_save" -ge $((rounds * 10)) ] || e2e_fail "only $last_save saves in $rounds rounds: the kills did not land in a saving loop"
[ "$interrupted" -gt 0 ] || e2e_fail "no kill landed inside a save: the trial proves nothing"
