#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# Adds or removes the print queue "Zirn PDF Writer" on the local CUPS. Shared by
# scripts/install-printer.sh and the Debian package's maintainer scripts, so plain sh.
#
#   printer-queue.sh [--queue NAME] [--server SOCKET] add PPD
#   printer-queue.sh [--queue NAME] [--server SOCKET] remove
#
# Exit status: 0 done, 3 CUPS is not running (nothing changed), 4 a queue of that name is
# someone else's (left as it is), 1 CUPS refused a change, 2 wrong usage.
#
# Only the scheduler's local socket is ever asked (default /run/cups/cups.sock), never a
# network address: in a chroot or container without that socket, CUPS's clients would fall
# back to localhost:631, which may be the host's scheduler. Every call runs without a terminal
# (nothing can ask for a password), with a time limit, and under LC_ALL=C, as its output is read.
#
# A queue of ours that exists is kept as the administrator set it up (enabled or not,
# accepting or not, its policy): only its PPD follows this version. A queue of the same name
# that an earlier version made with cups-pdf is replaced; one with any other device is left
# alone. A new queue takes the stock "authenticated" policy of cupsd.conf, whose job operations
# need an authenticated user: over the local socket CUPS knows the user from the connection,
# so nobody is asked for a password and "lp -U someoneelse" is refused. Where cupsd.conf has no
# such policy the queue keeps the server's default one and this says so; the backend then
# refuses every job that CUPS did not authenticate, so still nobody prints into another
# user's session.
set -eu

queue=Zirn_PDF_Writer
description="Zirn PDF Writer"
policy=authenticated
server=/run/cups/cups.sock
while [ $# -gt 0 ]; do
    case "$1" in
        --queue) queue=$2; shift 2 ;;
        --server) server=$2; shift 2 ;;
        *) break ;;
    esac
done
case "$queue" in
    "" | *[!A-Za-z0-9_]*) echo "queue names use letters, digits and _ only" >&2; exit 2 ;;
esac
case "$server" in
    /*) ;;
    *) echo "the server is the path of CUPS's local socket" >&2; exit 2 ;;
esac

cups() { # program args...: a CUPS tool against the local socket, bounded, never prompting
    program=$1; shift
    CUPS_SERVER=$server LC_ALL=C timeout 30 setsid -w "$program" -h "$server" "$@" </dev/null
}
# lpadmin warns on every PPD that drivers are deprecated; the warning is not for our users.
# Its status is not this function's: callers ask CUPS afterwards whether the queue is as asked.
lpadmin_quiet() { cups lpadmin "$@" 2>&1 | grep -v "Printer drivers are deprecated" >&2 || true; }
device() { cups lpstat -v "$queue" 2>/dev/null | sed -n 's/^device for [^:]*: //p'; }
no_policy() {
    echo "cupsd.conf has no \"$policy\" policy: $queue keeps the default one, and its backend refuses jobs that CUPS did not authenticate." >&2
}
foreign() { # device
    echo "A queue $queue with the device $1 is not this program's: it is left as it is." >&2
    exit 4
}

[ -S "$server" ] && cups lpstat -r 2>/dev/null | grep -qx "scheduler is running" || exit 3

case "${1:-}" in
    add)
        [ $# -eq 2 ] && [ -r "$2" ] || { echo "usage: $0 add PPD (a readable file)" >&2; exit 2; }
        ppd=$2
        case "$(device)" in
            zirn:*) lpadmin_quiet -p "$queue" -P "$ppd" ;;
            cups-pdf:*) cups lpadmin -x "$queue" ;;
            "") ;;
            *) foreign "$(device)" ;;
        esac
        if [ -z "$(device)" ]; then
            # Not shared on the network; a failed job is dropped, never retried (a second
            # window) nor allowed to stop the queue.
            set -- -p "$queue" -D "$description" -v zirn:/ -P "$ppd" -o printer-is-shared=false \
                -o printer-error-policy=abort-job
            if ! cups lpadmin "$@" -o printer-op-policy="$policy" 2>/dev/null; then
                no_policy
                lpadmin_quiet "$@"
            fi
            [ "$(device)" = zirn:/ ] || { echo "CUPS did not add the queue $queue." >&2; exit 1; }
            cups cupsenable "$queue"
            cups cupsaccept "$queue"
        fi
        ;;
    remove)
        [ $# -eq 1 ] || { echo "usage: $0 remove" >&2; exit 2; }
        case "$(device)" in
            zirn:* | cups-pdf:*) cups lpadmin -x "$queue" ;;
            "") ;;
            *) foreign "$(device)" ;;
        esac
        ;;
    *)
        echo "usage: $0 [--queue NAME] [--server SOCKET] add PPD | remove" >&2
        exit 2
        ;;
esac
