#!/usr/bin/env bash
# Adds the printer "Zirn PDF Writer" to CUPS: a job printed to it is stored unchanged, as the
# printing user, in ~/PDF, and Zirn PDF Writer opens on it in that user's desktop session.
#
#   sudo scripts/install-printer.sh            # install the program (if needed) and the printer
#   sudo scripts/install-printer.sh --remove   # take the printer away again
#
# It installs the queue's backend as /usr/lib/cups/backend/zirn, adds the queue with its PPD
# and a policy in cupsd.conf that lets only the printing user print into their own session,
# and, where AppArmor confines cupsd, a rule for the backend. A queue made by an earlier
# version (cups-pdf and a hook) is replaced, and that version's configuration removed.
# Running it twice changes nothing.
#
# Options for testing and special set-ups:
#   --queue NAME          queue name (default Zirn_PDF_Writer)
#   --server HOST:PORT    the CUPS server to configure, also a socket path (default: the local one)
#   --backend FILE        the backend to install instead of building one
#   --server-bin DIR      the server's program folder (default /usr/lib/cups)
#   --cupsd-conf FILE     the server's configuration; the caller then restarts that server
set -euo pipefail
cd "$(dirname "$0")/.."

queue=Zirn_PDF_Writer
description="Zirn PDF Writer"
server=()
backend_source=""
server_bin=/usr/lib/cups
cupsd_conf=/etc/cups/cupsd.conf
own_server=1
remove=0
while [[ $# -gt 0 ]]; do
    case "$1" in
        --remove) remove=1 ;;
        --queue) queue=$2; shift ;;
        --server) server=(-h "$2"); shift ;;
        --backend) backend_source=$2; shift ;;
        --server-bin) server_bin=$2; shift ;;
        --cupsd-conf) cupsd_conf=$2; own_server=0; shift ;;
        *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
    shift
done
[[ "$queue" =~ ^[A-Za-z0-9_]+$ ]] || { echo "queue names use letters, digits and _ only" >&2; exit 2; }
if [[ $(id -u) -ne 0 ]]; then
    echo "Run this as root: sudo $0 $*" >&2
    exit 1
fi

backend=$server_bin/backend/zirn
program=/usr/local/bin/zirn-pdf-writer
policy=zirn-pdf-writer
begin="# BEGIN zirn-pdf-writer (install-printer.sh --remove takes this out)"
end="# END zirn-pdf-writer"
apparmor_profile=/etc/apparmor.d/usr.sbin.cupsd
apparmor_local=/etc/apparmor.d/local/usr.sbin.cupsd

scheduler_running() { lpstat "${server[@]}" -r 2>/dev/null | grep -q "is running"; }
queue_exists() { lpstat "${server[@]}" -v "$queue" >/dev/null 2>&1; }
apparmor_active() {
    [[ -r /sys/module/apparmor/parameters/enabled && $(cat /sys/module/apparmor/parameters/enabled) == Y ]] &&
        command -v apparmor_parser >/dev/null
}
drop_block() { # file: takes out our marked block; stops without an edit when its end is lost
    [[ -f "$1" ]] && grep -qxF "$begin" "$1" || return 0
    if ! sed -n "\|^$begin\$|,\$p" "$1" | grep -qxF "$end"; then
        echo "$1: the line \"$end\" is missing; take our block out by hand" >&2
        exit 1
    fi
    backup_cupsd_conf "$1"
    sed -i "\|^$begin\$|,\|^$end\$|d" "$1"
}
backup_cupsd_conf() { # file: the state before our edit, for when it goes wrong
    [[ "$1" != "$cupsd_conf" ]] || cp -p "$cupsd_conf" "$cupsd_conf.zirn-backup"
}

# The cupsd that reads $cupsd_conf must read it again after a change.
restart_cupsd() {
    [[ $own_server -eq 1 ]] || return 0
    if [[ -d /run/systemd/system ]]; then
        systemctl restart cups || true
    elif pid=$(pidof -s cupsd); then
        kill -HUP "$pid"
    else
        rm -f "$cupsd_conf.zirn-backup"
        return 0 # not running: it reads the file when it starts
    fi
    # Back with the change: the copy has served its purpose and leaves no trace.
    for _ in $(seq 50); do scheduler_running && rm -f "$cupsd_conf.zirn-backup" && return 0; sleep 0.2; done
    echo "CUPS did not come back after the change to $cupsd_conf (the previous version is" \
        "$cupsd_conf.zirn-backup); see journalctl -u cups" >&2
    exit 1
}

# What an earlier version set up: a cups-pdf configuration, AppArmor lines and the hook.
remove_earlier_version() {
    rm -f "/etc/cups/cups-pdf-$queue.conf" /etc/apparmor.d/local/zirn-pdf-writer.cups-pdf
    if [[ -f "$apparmor_profile" ]] && grep -qF "#include <local/zirn-pdf-writer.cups-pdf>" "$apparmor_profile"; then
        sed -i "\|^  #include <local/zirn-pdf-writer.cups-pdf>\$|d" "$apparmor_profile"
    fi
    rm -f /usr/local/libexec/zirn-pdf-writer/zirn-print-hook
    rmdir /usr/local/libexec/zirn-pdf-writer 2>/dev/null || true
}

apparmor_reload() {
    if [[ -f "$apparmor_profile" ]] && apparmor_active; then apparmor_parser -r "$apparmor_profile"; fi
}

if [[ $remove -eq 1 ]]; then
    if queue_exists; then lpadmin "${server[@]}" -x "$queue"; fi
    if [[ -f "$cupsd_conf" ]] && grep -qxF "$begin" "$cupsd_conf"; then
        drop_block "$cupsd_conf"
        restart_cupsd
    fi
    rm -f "$backend"
    remove_earlier_version
    if [[ -f "$apparmor_local" ]] && grep -qxF "$begin" "$apparmor_local"; then
        drop_block "$apparmor_local"
        apparmor_reload
    fi
    echo "Removed the printer $queue."
    exit 0
fi

source scripts/deps.sh
zirn_install_packages cups cups-client cups-filters ghostscript qpdf

if [[ -z "$backend_source" ]]; then
    # The program under /usr/local, and the backend that starts it.
    zirn_install_packages "${ZIRN_PACKAGES[@]}"
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr/local \
        -DZIRN_PRINT_PROGRAM="$program" >/dev/null
    cmake --build build -j "$(nproc)" --target zirn-pdf-writer zirn-cups-backend
    if [[ ! -x "$program" ]]; then cmake --install build --prefix /usr/local >/dev/null; fi
    backend_source=build/src/print/zirn-cups-backend
fi
# Root's alone: CUPS runs a backend that others may not execute as root.
if ! cmp -s "$backend_source" "$backend"; then
    install -o root -g root -m 0700 "$backend_source" "$backend"
fi
remove_earlier_version

# The policy: job operations need an authenticated user. Over the local socket CUPS takes
# the user from the connection itself, so nobody is asked for a password, and
# "lp -U someoneelse" is refused instead of printing into someone else's session.
if ! grep -qxF "$begin" "$cupsd_conf"; then
    backup_cupsd_conf "$cupsd_conf"
    cat >> "$cupsd_conf" <<CONF
$begin
<Policy $policy>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit Create-Job Print-Job Print-URI Validate-Job>
    AuthType Default
    Require valid-user
    Order deny,allow
  </Limit>
  <Limit Send-Document Send-URI Hold-Job Release-Job Restart-Job Purge-Jobs Set-Job-Attributes Create-Job-Subscription Renew-Subscription Cancel-Subscription Get-Notifications Reprocess-Job Cancel-Current-Job Suspend-Current-Job Resume-Job Cancel-My-Jobs Close-Job CUPS-Move-Job CUPS-Get-Document>
    AuthType Default
    Require user @OWNER @SYSTEM
    Order deny,allow
  </Limit>
  <Limit CUPS-Add-Modify-Printer CUPS-Delete-Printer CUPS-Add-Modify-Class CUPS-Delete-Class CUPS-Set-Default CUPS-Get-Devices Pause-Printer Resume-Printer Enable-Printer Disable-Printer Pause-Printer-After-Current-Job Hold-New-Jobs Release-Held-New-Jobs Deactivate-Printer Activate-Printer Restart-Printer Shutdown-Printer Startup-Printer Promote-Job Schedule-Job-After Cancel-Jobs CUPS-Accept-Jobs CUPS-Reject-Jobs>
    AuthType Default
    Require user @SYSTEM
    Order deny,allow
  </Limit>
  <Limit Cancel-Job CUPS-Authenticate-Job>
    AuthType Default
    Require user @OWNER @SYSTEM
    Order deny,allow
  </Limit>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
$end
CONF
    restart_cupsd
fi

# AppArmor: where a profile confines cupsd, the backend gets its own narrow rules.
if [[ -f "$apparmor_profile" ]] && grep -q "local/usr.sbin.cupsd" "$apparmor_profile"; then
    wanted=$(
        echo "$begin"
        sed "s|@PROGRAM@|$program|" resources/zirn-cups-backend.apparmor
        echo "$end"
    )
    if ! grep -qxF "$begin" "$apparmor_local" 2>/dev/null ||
        [[ "$(sed -n "\|^$begin\$|,\|^$end\$|p" "$apparmor_local")" != "$wanted" ]]; then
        drop_block "$apparmor_local"
        printf '%s\n' "$wanted" >> "$apparmor_local"
        apparmor_reload
    fi
fi

if ! scheduler_running; then
    echo "CUPS is not running; start it (sudo systemctl start cups, or sudo cupsd without systemd) and run this again." >&2
    exit 1
fi
# The device, the PPD (straight PDF, no filters) and the policy; not shared on the network. A
# failed job is dropped, never retried (a second window) nor allowed to stop the queue.
lpadmin "${server[@]}" -p "$queue" -D "$description" -v zirn:/ -P resources/zirn-pdf-writer.ppd \
    -o printer-op-policy="$policy" -o printer-is-shared=false -o printer-error-policy=abort-job -E 2> >(grep -v "Printer drivers are deprecated" >&2)
echo "The printer \"$description\" ($queue) is ready."
