#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Adds the printer "Zirn PDF Writer" to CUPS: a job printed to it is stored unchanged, as the
# printing user, in ~/PDF, and Zirn PDF Writer opens on it in that user's desktop session.
#
#   cmake -S . -B build -G Ninja && cmake --build build   # first, as yourself
#   sudo scripts/install-printer.sh            # installs the program and adds the printer
#   sudo scripts/install-printer.sh --remove   # takes the printer away again
#
# It never builds anything as root. It copies the program, the queue's backend and its filters
# for text and JPEG from the build you made into root's places (/usr/local/bin/zirn-pdf-writer,
# /usr/lib/cups/backend/zirn, /usr/lib/cups/filter/zirn-texttopdf and zirn-jpegtopdf) and refuses any file it
# copies, reads or runs as root that anybody but root and you (the user who ran sudo) can
# change, and any place it copies to that they can. The
# queue gets the stock "authenticated" policy through scripts/printer-queue.sh; cupsd.conf is
# left as it is, except that the policy block of earlier versions is taken out. What earlier
# versions added for AppArmor and cups-pdf goes too (for another server named with --cupsd-conf,
# only what lies beside its cupsd.conf). Running it twice changes nothing. A queue of that
# name with another device than ours or cups-pdf is someone else's: it is left alone. Where the
# Debian package is installed, its files and its queue are apt's: this refuses to replace or
# delete any file that belongs to an installed package, and changes nothing.
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
jpeg_filter=$server_bin/filter/zirn-jpegtopdf
apparmor_profile=/etc/apparmor.d/usr.sbin.cupsd
queue+=(--server-root "$(dirname -- "$cupsd_conf")")

# The package that a file belongs to, if dpkg knows one (its diversions aside).
package_of() { # path
    local path found line
    command -v dpkg-query >/dev/null || return 1
    path=$(realpath -m -- "$1")
    found=$(LC_ALL=C dpkg-query -S -- "$path" 2>/dev/null) || return 1
    while IFS= read -r line; do
        [[ $line == "diversion by "* ]] || { printf '%s\n' "${line%%: *}"; return 0; }
    done <<<"$found"
    return 1
}
for target in "$program" "$backend" "$filter" "$jpeg_filter"; do
    if package=$(package_of "$target"); then
        echo "Refused: $target belongs to the installed Debian package $package, which apt installs," \
            "upgrades and removes (sudo apt remove $package); nothing was changed." >&2
        exit 1
    fi
done

# Nothing that anybody but root and the invoking user can change: a file, resolved through
# every link, and every folder above it (a sticky folder of root's such as /tmp is fine). What
# is used is the resolved path, so no link is followed again after the check.
owner=${SUDO_UID:-0}
trusted() { # path -> its resolved path
    local path at uid mode
    path=$(realpath -e -- "$1") || return 1
    at=$path
    while :; do
        read -r uid mode < <(stat -c '%u %a' -- "$at")
        [[ $uid == 0 || $uid == "$owner" ]] || return 1
        if ((8#$mode & 8#022)) && ! [[ $uid == 0 && -d $at && -k $at ]]; then return 1; fi
        [[ $at != / ]] || break
        at=$(dirname -- "$at")
    done
    printf '%s\n' "$path"
}
refuse() { # path
    echo "Refused: users other than root and you can change $1 (it or a folder above it is writable by its" \
        "group or by all, or belongs to someone else)." >&2
    exit 1
}
trusted scripts/install-printer.sh >/dev/null || refuse scripts/install-printer.sh
queue_script=$(trusted scripts/printer-queue.sh) || refuse scripts/printer-queue.sh

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

# What earlier versions set up: a cups-pdf configuration beside cupsd.conf, the policy block in
# it and, for the system's own server only, a hook and AppArmor lines.
remove_earlier_versions() {
    rm -f "$(dirname -- "$cupsd_conf")/cups-pdf-Zirn_PDF_Writer.conf"
    if drop_blocks "$cupsd_conf"; then reload_cupsd; fi
    [[ $own_server -eq 1 ]] || return 0
    rm -f /etc/apparmor.d/local/zirn-pdf-writer.cups-pdf
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
}

if [[ $remove -eq 1 ]]; then
    status=0
    sh "$queue_script" "${queue[@]}" remove || status=$?
    [[ $status -ne 3 ]] || echo "CUPS is not running: the queue stays until you run this again with CUPS running." >&2
    message="Removed the printer."
    if [[ $status -eq 4 ]]; then
        status=0
        message="Removed this program's backend and filter; the queue of that name stays."
    fi
    rm -f "$backend" "$filter" "$jpeg_filter"
    remove_earlier_versions
    [[ $status -ne 0 ]] || echo "$message"
    exit "$status"
fi

if [[ ! -x "$build/src/app/zirn-pdf-writer" || ! -x "$build/src/print/zirn-cups-backend" ||
    ! -x "$build/src/print/textfilter/zirn-texttopdf" || ! -x "$build/src/print/jpegfilter/zirn-jpegtopdf" ]]; then
    echo "No build in $build: build it first as yourself (cmake -S . -B build -G Ninja &&" \
        "cmake --build build), then run sudo $0 again." >&2
    exit 1
fi
program_source=$(trusted "$build/src/app/zirn-pdf-writer") || refuse "$build/src/app/zirn-pdf-writer"
backend_source=$(trusted "$build/src/print/zirn-cups-backend") || refuse "$build/src/print/zirn-cups-backend"
filter_source=$(trusted "$build/src/print/textfilter/zirn-texttopdf") || refuse "$build/src/print/textfilter/zirn-texttopdf"
jpeg_filter_source=$(trusted "$build/src/print/jpegfilter/zirn-jpegtopdf") || refuse "$build/src/print/jpegfilter/zirn-jpegtopdf"
ppd=$(trusted resources/zirn-pdf-writer.ppd) || refuse resources/zirn-pdf-writer.ppd
deps=$(trusted scripts/deps.sh) || refuse scripts/deps.sh
# Where they go: the nearest folder that exists.
for target in "$program" "$backend" "$filter" "$jpeg_filter"; do
    place=$target
    while [[ ! -e $place ]]; do place=$(dirname -- "$place"); done
    trusted "$place" >/dev/null || refuse "$place"
done
# The printing test's build of the backend takes its program from the server's environment.
if ! tr '\0' '\n' <"$backend_source" | grep -xF -e "$program" -e ZIRN_TEST_PROGRAM >/dev/null; then
    echo "Refused: $backend_source does not start $program (configure with -DZIRN_PRINT_PROGRAM=$program)." >&2
    exit 1
fi

source "$deps"
zirn_install_packages cups cups-client cups-filters ghostscript poppler-utils qpdf

# Root's alone: CUPS runs a backend as root only when others may not execute it.
cmp -s "$program_source" "$program" || install -D -o root -g root -m 0755 "$program_source" "$program"
cmp -s "$backend_source" "$backend" || install -o root -g root -m 0700 "$backend_source" "$backend"
cmp -s "$filter_source" "$filter" || install -o root -g root -m 0755 "$filter_source" "$filter"
cmp -s "$jpeg_filter_source" "$jpeg_filter" || install -o root -g root -m 0755 "$jpeg_filter_source" "$jpeg_filter"

status=0
sh "$queue_script" "${queue[@]}" add "$ppd" || status=$?
if [[ $status -eq 3 ]]; then
    echo "CUPS is not running; start it (sudo systemctl start cups, or sudo cupsd without systemd) and run this again." >&2
    exit 1
fi
[[ $status -eq 0 ]] || exit 1 # 4: the queue of that name is someone else's, as said
remove_earlier_versions
echo "The printer \"Zirn PDF Writer\" is ready."
