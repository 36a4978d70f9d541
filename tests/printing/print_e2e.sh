#!/usr/bin/env bash
# End to end through the real print system: a private cupsd on loopback, the queue added by
# scripts/install-printer.sh, a job printed with lp by an ordinary user made for the test,
# cups-pdf and the hook starting the program in that user's (offscreen) session, and the
# program writing the final PDF and consuming the spool file.
#
#   print_e2e.sh <zirn-pdf-writer> <zirn-print-hook> <source folder>
# Needs root (cupsd, a test user); skipped otherwise with exit code 77.
set -euo pipefail
program=$1 hook=$2 source=$3

if [[ $(id -u) -ne 0 ]]; then
    echo "SKIPPED: the printing end-to-end test needs root (a private cupsd and a test user); run scripts/test.sh as root."
    exit 77
fi
for tool in cupsd lpadmin lp useradd runuser pdfinfo; do
    command -v "$tool" >/dev/null || [[ -x /usr/sbin/$tool ]] || { echo "missing $tool" >&2; exit 1; }
done
[[ -x /usr/lib/cups/backend/cups-pdf ]] || { echo "missing cups-pdf" >&2; exit 1; }

scratch=$(mktemp -d /tmp/zirn-print-e2e.XXXXXX)
chmod 755 "$scratch"
queue=Zirn_PDF_Writer_Test$$
user=zirne2e$$
user=${user:0:31}
home="$scratch/home"
port=$((20000 + RANDOM % 20000))
cupsd_pid="" session_pid=""

cleanup() {
    set +e
    [[ -n "$session_pid" ]] && kill "$session_pid" 2>/dev/null
    pkill -u "$user" 2>/dev/null
    bash "$source/scripts/install-printer.sh" --remove --queue "$queue" --server "127.0.0.1:$port" >/dev/null 2>&1
    [[ -n "$cupsd_pid" ]] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    userdel "$user" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    echo "--- cupsd error log" >&2; tail -n 30 "$scratch/cups/log/error_log" >&2 || true
    echo "--- cups-pdf log" >&2; cat "$scratch/cups/log/"cups-pdf*_log >&2 2>/dev/null || true
    echo "--- spool folder" >&2; ls -la "$home/PDF" >&2 2>/dev/null || true
    exit 1
}

# The program and the hook, where the test user can run them.
mkdir -p "$scratch/bin"
install -m 755 "$program" "$scratch/bin/zirn-pdf-writer"
install -m 755 "$hook" "$scratch/bin/zirn-print-hook"

# An ordinary user whose settings press Create at launch, silently, into ~/Out.
useradd -M -d "$home" -s /bin/sh "$user"
mkdir -p "$home/.config/org.zirn.PDFWriter" "$home/Out"
cat > "$home/.config/org.zirn.PDFWriter/Zirn.ini" <<INI
[Values]
AutoStart = 1
Silent = 1
AutoUpdate = 0
PostAction = none
Path = $home/Out
INI
chown -R "$user:" "$home"
install -m 644 "$source/resources/sample.pdf" "$scratch/Quarterly Report.pdf"

# A private cupsd: its own configuration, spool and logs, listening on loopback only.
c="$scratch/cups"
mkdir -p "$c/conf/ppd" "$c/cache" "$c/state" "$c/spool/tmp" "$c/log"
chmod -R 755 "$c"
cat > "$c/conf/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
LogLevel info
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow from 127.0.0.1
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow from 127.0.0.1
  </Limit>
</Policy>
CONF
cat > "$c/conf/cups-files.conf" <<CONF
ServerRoot $c/conf
CacheDir $c/cache
StateDir $c/state
RequestRoot $c/spool
TempDir $c/spool/tmp
ErrorLog $c/log/error_log
AccessLog $c/log/access_log
PageLog $c/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root
Sandboxing Relaxed
CONF
/usr/sbin/cupsd -f -c "$c/conf/cupsd.conf" -s "$c/conf/cups-files.conf" &
cupsd_pid=$!
for _ in $(seq 50); do lpstat -h "127.0.0.1:$port" -r >/dev/null 2>&1 && break; sleep 0.2; done
lpstat -h "127.0.0.1:$port" -r >/dev/null 2>&1 || fail "the private cupsd did not start"

# The queue, by the project's own install logic.
bash "$source/scripts/install-printer.sh" --queue "$queue" --server "127.0.0.1:$port" --hook "$scratch/bin/zirn-print-hook" ||
    fail "install-printer.sh"
# Twice changes nothing.
state() { cat "/etc/cups/cups-pdf-$queue.conf"; lpstat -h "127.0.0.1:$port" -l -v -p "$queue"; }
before=$(state)
bash "$source/scripts/install-printer.sh" --queue "$queue" --server "127.0.0.1:$port" --hook "$scratch/bin/zirn-print-hook" >/dev/null
after=$(state)
[[ "$before" == "$after" ]] || fail "a second install-printer.sh changed the configuration"
lpstat -h "127.0.0.1:$port" -l -p "$queue" | grep -q "Zirn PDF Writer" || fail "the queue has not the description"

# The user's graphical session: a process that carries a display (offscreen here).
runuser -u "$user" -- env -i HOME="$home" USER="$user" LOGNAME="$user" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    DISPLAY=:77 QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$home/.config" sleep 600 &
session_pid=$!

# Print, as that user.
runuser -u "$user" -- lp -h "127.0.0.1:$port" -d "$queue" -t "Quarterly Report.odt" "$scratch/Quarterly Report.pdf" ||
    fail "lp"

output="$home/Out/Quarterly_Report.pdf"
spooled="$home/PDF/Quarterly_Report.pdf"
for _ in $(seq 300); do
    [[ -f "$output" && ! -e "$spooled" ]] && break
    sleep 0.2
done
[[ -f "$output" ]] || fail "no output PDF at $output"
[[ ! -e "$spooled" ]] || fail "the spool file $spooled is still there"
[[ -z "$(ls -A "$home/PDF")" ]] || fail "the spool folder is not empty"
[[ $(stat -c %a "$home/PDF") == 700 ]] || fail "the spool folder is not owner-only"
[[ $(stat -c %U "$output") == "$user" ]] || fail "the output does not belong to the user"
pdfinfo "$output" | grep -q "^Creator: *Zirn PDF Writer \[" || fail "the output has no creator stamp"
pdfinfo "$output" | grep -q "^Author:.*$user" || fail "the output has not the login name as author: $(pdfinfo "$output")"
echo "Printed \"Quarterly Report.odt\" became $output; the spool file is gone."

# A file the hook must refuse: not in the spool folder. Nothing is started, nothing moves.
runuser -u "$user" -- cp "$scratch/Quarterly Report.pdf" "$home/Out/stray.pdf"
DEVICE_URI="cups-pdf:/$queue" runuser -u "$user" -- "$scratch/bin/zirn-print-hook" "$home/Out/stray.pdf" "$user" "$user" \
    2>"$scratch/hook.err"
grep -q "refused" "$scratch/hook.err" || fail "the hook did not refuse a file outside the spool folder"
sleep 1
[[ -f "$home/Out/stray.pdf" ]] || fail "a refused file was touched"
echo "1 passed, 0 failed"
