#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Adds the printer "Zirn PDF Writer" to CUPS: a job printed to it is stored unchanged, as the
# printing user, in ~/PDF, and Zirn PDF Writer opens on it in that user's desktop session.
#
#   cmake -S . -B build -G Ninja && cmake --build build   # first, as yourself
#   sudo scripts/install-printer.sh            # installs the program and adds the printer
#   sudo scripts/install-printer.sh --remove   # takes the printer away again
#
# It never builds anything as root. It copies the program, the queue's backend and its text
# filter from the build you made into root's places (/usr/local/bin/zirn-pdf-writer,
# /usr/lib/cups/backend/zirn, /usr/lib/cups/filter/zirn-texttopdf) and refuses a build that
# anybody but root and you (the user who ran sudo) can change. The
# queue gets the stock "authenticated" policy through scripts/printer-queue.sh; cupsd.conf is
# left as it is, except that the policy block of earlier versions is taken out. What earlier
# versions added for AppArmor and cups-pdf goes too. Running it twice changes nothing. A queue
# of that name with another device than ours or cups-pdf is someone else's: it is left alone.
#
# Options for testing and special set-ups:
#   --build DIR           the build to install from (default: build/ in this checkout)
#   --program FILE        where the program goes (default /usr/local/bin/zirn-pdf-writer); the
#                         backend must have been built to start it (-DZIRN_PRINT_PROGRAM=FILE)
#   --queue NAME          queue name (default Zirn_PDF_Writer)
#   --server SOCKET       the local socket of the CUPS to configure (default /run/cups/cups.sock)
#   --server-bin DIR      the server's program folder (default /usr/lib/cups)
#   --cupsd-conf FILE     the server's configuration; the caller then restarts that server
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
program=/usr/local/bin/zirn-pdf-writer
server_bin=/usr/lib/cups
cupsd_conf=/etc/cups/cupsd.conf
queue=()
own_server=1
remove=0
while [[ $# -gt 0 ]]; do
    case "$1" in
        --remove) remove=1 ;;
        --build) build=$2; shift ;;
        --program) program=$2; shift ;;
        --queue | --server) queue+=("$1" "$2"); shift ;;
        --server-bin) server_bin=$2; shift ;;
        --cupsd-conf) cupsd_conf=$2; own_server=0; shift ;;
        *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
    shift
done
if [[ $(id -u) -ne 0 ]]; then
    echo "Run this as root: sudo $0 $*" >&2
    exit 1
fi

backend=$server_bin/backend/zirn
filter=$server_bin/filter/zirn-texttopdf
ppd=resources/zirn-pdf-writer.ppd
apparmor_profile=/etc/apparmor.d/usr.sbin.cupsd

# Takes out the blocks that earlier versions appended between a "# BEGIN zirn-pdf-writer" and
# a "# END zirn-pdf-writer" line, and nothing else: the rest stays byte for byte, also a last
# line without a newline that a BEGIN was glued to. Stops without a change when an END is lost.
# Fails when there was nothing to take out.
drop_blocks() { # file
    [[ -f "$1" ]] && grep -q "# BEGIN zirn-pdf-writer" "$1" || return 1
    local kept
    kept=$(mktemp)
    perl -0777 -pe 's/# BEGIN zirn-pdf-writer(?:(?!# BEGIN zirn-pdf-writer).)*?\n# END zirn-pdf-writer[^\n]*\n?//gs' \
        "$1" >"$kept"
    if grep -q "# BEGIN zirn-pdf-writer" "$kept"; then
        rm -f "$kept"
        echo "$1: a line \"# END zirn-pdf-writer\" is missing; take the block out by hand" >&2
        exit 1
    fi
    cat "$kept" >"$1"
    rm -f "$kept"
}

# The cupsd that reads cupsd.conf reads it again.
reload_cupsd() {
    [[ $own_server -eq 1 ]] || return 0
    if [[ -d /run/systemd/system ]]; then
        systemctl try-restart cups || true
    elif pid=$(pidof -s cupsd); then
        kill -HUP "$pid"
    fi
}

# What earlier versions set up: a cups-pdf configuration and hook, and AppArmor lines.
remove_earlier_versions() {
    rm -f "/etc/cups/cups-pdf-Zirn_PDF_Writer.conf" /etc/apparmor.d/local/zirn-pdf-writer.cups-pdf
    rm -f /usr/local/libexec/zirn-pdf-writer/zirn-print-hook
    rmdir /usr/local/libexec/zirn-pdf-writer 2>/dev/null || true
    local changed=0
    if [[ -f "$apparmor_profile" ]] && grep -qF "#include <local/zirn-pdf-writer.cups-pdf>" "$apparmor_profile"; then
        sed -i "\|^  #include <local/zirn-pdf-writer.cups-pdf>\$|d" "$apparmor_profile"
        changed=1
    fi
    drop_blocks /etc/apparmor.d/local/usr.sbin.cupsd && changed=1
    if [[ $changed -eq 1 && -r /sys/module/apparmor/parameters/enabled &&
        $(cat /sys/module/apparmor/parameters/enabled) == Y ]] && command -v apparmor_parser >/dev/null; then
        apparmor_parser -r "$apparmor_profile"
    fi
    if drop_blocks "$cupsd_conf"; then reload_cupsd; fi
}

if [[ $remove -eq 1 ]]; then
    status=0
    sh scripts/printer-queue.sh "${queue[@]}" remove || status=$?
    [[ $status -ne 3 ]] || echo "CUPS is not running: the queue stays until you run this again with CUPS running." >&2
    [[ $status -ne 4 ]] || status=0
    rm -f "$backend" "$filter"
    remove_earlier_versions
    [[ $status -ne 0 ]] || echo "Removed the printer."
    exit "$status"
fi

# Nothing that anybody but root and the invoking user can change: the files, every folder
# above them (a sticky folder of root's such as /tmp is fine) and the whole build.
owner=${SUDO_UID:-0}
trusted() { # path
    local path uid mode
    path=$(realpath -e -- "$1") || return 1
    [[ -z "$(find "$path" ! -type l \( ! -uid 0 ! -uid "$owner" -o -perm /022 \) -print -quit)" ]] || return 1
    while [[ $path != / ]]; do
        path=$(dirname -- "$path")
        read -r uid mode < <(stat -c '%u %a' -- "$path")
        [[ $uid == 0 || $uid == "$owner" ]] || return 1
        ((8#$mode & 8#022)) && ! [[ $uid == 0 && -k $path ]] && return 1
    done
    return 0
}
program_source=$build/src/app/zirn-pdf-writer
backend_source=$build/src/print/zirn-cups-backend
filter_source=$build/src/textfilter/zirn-texttopdf
if [[ ! -x "$program_source" || ! -x "$backend_source" || ! -x "$filter_source" ]]; then
    echo "No build in $build: build it first as yourself (cmake -S . -B build -G Ninja &&" \
        "cmake --build build), then run sudo $0 again." >&2
    exit 1
fi
for path in "$build" "$ppd"; do
    trusted "$path" || {
        echo "Refused: users other than root and you can change $path (a file or folder in it or above it" \
            "is writable by its group or by all, or belongs to someone else)." >&2
        exit 1
    }
done
if ! tr '\0' '\n' <"$backend_source" | grep -xF -- "$program" >/dev/null; then
    echo "Refused: $backend_source does not start $program (configure with -DZIRN_PRINT_PROGRAM=$program)." >&2
    exit 1
fi

source scripts/deps.sh
zirn_install_packages cups cups-client cups-filters ghostscript poppler-utils qpdf

# Root's alone: CUPS runs a backend as root only when others may not execute it.
cmp -s "$program_source" "$program" || install -D -o root -g root -m 0755 "$program_source" "$program"
cmp -s "$backend_source" "$backend" || install -o root -g root -m 0700 "$backend_source" "$backend"
cmp -s "$filter_source" "$filter" || install -o root -g root -m 0755 "$filter_source" "$filter"

status=0
sh scripts/printer-queue.sh "${queue[@]}" add "$ppd" || status=$?
if [[ $status -eq 3 ]]; then
    echo "CUPS is not running; start it (sudo systemctl start cups, or sudo cupsd without systemd) and run this again." >&2
    exit 1
fi
[[ $status -eq 0 ]] || exit 1 # 4: the queue of that name is someone else's, as said
remove_earlier_versions
echo "The printer \"Zirn PDF Writer\" is ready."
