#!/usr/bin/env bash
# About Zorbel! and Check for Updates in the running program: About boxes open beside each other
# while the tray goes on working, and help opens the home page; an update check against an HTTPS
# server on this machine whose certificate nobody vouches for is refused before the server hears
# a request; while a check waits on a server that never answers, the program stays responsive and
# Exit still works. (What each server answer leads to is tested in-process: UpdateCheck_win_test.)
source "$(dirname "$0")/lib.sh"
e2e_begin win10

caption=$(e2e_caption)
home_page="https://zorbel.example.org/"
count_boxes() { e2e_driver windows | grep -c "#32770 \"$caption\"$"; }
# The tray menu's Tools submenu, from the bottom: Up selects Exit, Up again Tools, Right opens it
# on About; Up from there goes round to Preferences, then to Check for Updates.
choose_about() { e2e_open_menu; e2e_driver keys up up right enter; }
choose_update_check() { e2e_open_menu; e2e_driver keys up up right up up enter; }

# Where the shell sends the home page: a command that writes the address down (Wine reads the
# classes of HKLM only).
opened=$E2E_TMP/opened.txt
wine reg add 'HKLM\Software\Classes\https\shell\open\command' /ve /f \
    /d "C:\\windows\\system32\\cmd.exe /c echo %1>$(e2e_winpath "$opened")" >/dev/null 2>&1 ||
    e2e_fail "cannot register the https handler"

# An HTTPS server with a self-signed certificate that notes what became of each connection. The
# second connection it takes and then says nothing at all, as a stalled server would.
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 \
    -keyout "$E2E_TMP/key.pem" -out "$E2E_TMP/cert.pem" >/dev/null 2>&1 || e2e_fail "openssl cannot make a certificate"
python3 - "$E2E_TMP" <<'PY' &
import os, socket, ssl, sys, time
folder = sys.argv[1]
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(f"{folder}/cert.pem", f"{folder}/key.pem")
server = socket.create_server(("127.0.0.1", 0))
server.settimeout(0.2)
with open(f"{folder}/port.part", "w") as f:
    f.write(str(server.getsockname()[1]))
os.replace(f"{folder}/port.part", f"{folder}/port")
end = time.monotonic() + 60
accepted = 0
while time.monotonic() < end:
    try:
        conn, _ = server.accept()
    except socket.timeout:
        continue
    accepted += 1
    if accepted == 2:
        with open(f"{folder}/tls.log", "a") as f:
            f.write("silent\n")
        time.sleep(20)
        conn.close()
        continue
    conn.settimeout(5)
    try:
        tls = context.wrap_socket(conn, server_side=True)
        result = "request " + tls.recv(4096).split(b"\r\n", 1)[0].decode("latin-1")
        tls.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: 12\r\nConnection: close\r\n\r\n9999.12.31\r\n")
    except (ssl.SSLError, OSError) as error:
        result = "refused " + type(error).__name__
    with open(f"{folder}/tls.log", "a") as f:
        f.write(result + "\n")
    conn.close()
PY
tls_server=$!
for ((i = 0; i < 100; i++)); do [ -s "$E2E_TMP/port" ] && break; sleep 0.1; done
[ -s "$E2E_TMP/port" ] || e2e_fail "the HTTPS server did not start"
export ZORBEL_UPDATE_URL="https://127.0.0.1:$(cat "$E2E_TMP/port")/files/zorbel.txt"

mkdir -p "$E2E_TMP/work"
e2e_launch zorbel "$E2E_TMP/work" "$E2E_EXE"
core=$E2E_CORE
sleep 1.2 # the first tray menu exists after the first timer tick

# ---- About -----------------------------------------------------------------------------------
choose_about
about=$(e2e_driver msgbox-read "$caption" 10000) || e2e_fail "About Zorbel! showed no box"
[ "$about" = "Zorbel! allow's you to quickly and easily;

- Pin windows with TopMost
- Set window transparency levels
- Capture windows as images
- Take screenshots and region captures
- Provide window information

Code: the Zorbel! contributors
Icons: drawn for Zorbel!
URL: $home_page
E-Mail: contributors@zorbel.example.org

Language: Default" ] || e2e_fail "the About text differs: $about"
kind=$(e2e_driver msgbox-kind "$caption" 2000 | tr '\n' ' ')
[ "$kind" = "owned OK Help " ] || e2e_fail "the About box should be owned, with OK and Help; found: $kind"

# The tray works while the box is open, and a second box opens beside the first.
choose_about
for ((i = 0; i < 50; i++)); do [ "$(count_boxes)" = 2 ] && break; sleep 0.1; done
[ "$(count_boxes)" = 2 ] || e2e_fail "a second About box did not open beside the first"

# Help opens the home page and leaves the box open. Wine's Help button does nothing (a FIXME in
# its message box), but F1 in the box sends the owner the same WM_HELP.
e2e_driver msgbox-key "$caption" 70 2000 || e2e_fail "cannot press F1 in the About box"
for ((i = 0; i < 100; i++)); do [ -s "$opened" ] && break; sleep 0.1; done
[ "$(tr -d '\r\n ' <"$opened" 2>/dev/null)" = "$home_page" ] || e2e_fail "help did not open $home_page"
[ "$(count_boxes)" = 2 ] || e2e_fail "help closed an About box"
e2e_driver msgbox "$caption" 2000 >/dev/null && e2e_driver msgbox "$caption" 2000 >/dev/null ||
    e2e_fail "cannot close the About boxes"
e2e_note "two About boxes at once; help opened the home page"

# ---- Check for Updates against a certificate nobody vouches for -------------------------------
choose_update_check
for ((i = 0; i < 100; i++)); do [ -s "$E2E_TMP/tls.log" ] && break; sleep 0.1; done
log=$(cat "$E2E_TMP/tls.log" 2>/dev/null)
case $log in
    refused*) ;;
    "") e2e_fail "the program never reached the HTTPS server" ;;
    *) e2e_fail "the self-signed certificate was accepted: the server heard \"$log\"" ;;
esac
if e2e_driver msgbox-read "$caption" 2000 >/dev/null; then e2e_fail "a refused server still offered an update"; fi
e2e_driver responsive 1000 || e2e_fail "the core window does not answer after the refused check"
e2e_note "the self-signed certificate was refused ($log)"

# ---- Check for Updates against a server that never answers -------------------------------------
choose_update_check
for ((i = 0; i < 100; i++)); do grep -q silent "$E2E_TMP/tls.log" && break; sleep 0.1; done
grep -q silent "$E2E_TMP/tls.log" || e2e_fail "the second check never reached the server"
# The check waits on its own thread: the program answers within 100 ms all along.
for ((i = 0; i < 5; i++)); do
    e2e_driver responsive 100 || e2e_fail "the core window did not answer within 100 ms during the check"
    sleep 0.3
done
e2e_note "the core window answered within 100 ms throughout a check that stalled"
# Exit works while the check is still waiting.
e2e_exit_by_menu zorbel "$core"
kill "$tls_server" 2>/dev/null
wait "$tls_server" 2>/dev/null || true
