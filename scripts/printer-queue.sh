#!/bin/sh
# Adds or removes the print queue "Zirn PDF Writer" on a running CUPS. Shared by
# scripts/install-printer.sh and the Debian package's maintainer scripts, so plain sh.
#
#   printer-queue.sh [--queue NAME] [--server HOST] add PPD
#   printer-queue.sh [--queue NAME] [--server HOST] remove
#
# Exit status: 0 done, 3 CUPS is not running (nothing changed), 1 CUPS refused a change,
# 2 wrong usage.
#
# A queue of ours that exists is kept as it is, with its PPD refreshed; a queue of the same
# name that an earlier version made with cups-pdf is replaced. The queue takes the stock
# "authenticated" policy of cupsd.conf, whose job operations need an authenticated user: over
# the local socket CUPS knows the user from the connection, so nobody is asked for a password
# and "lp -U someoneelse" is refused. Where cupsd.conf has no such policy the queue keeps the
# server's default one and this says so; the backend then refuses every job that CUPS did not
# authenticate, so still nobody prints into another user's session.
set -eu

queue=Zirn_PDF_Writer
description="Zirn PDF Writer"
policy=authenticated
server=""
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

cups() { # program args...: a CUPS tool against our server
    program=$1; shift
    if [ -n "$server" ]; then "$program" -h "$server" "$@"; else "$program" "$@"; fi
}
# lpadmin warns on every PPD that drivers are deprecated; the warning is not for our users.
# Its status is not this function's: callers ask CUPS afterwards whether the queue is as asked.
lpadmin_quiet() { cups lpadmin "$@" 2>&1 | grep -v "Printer drivers are deprecated" >&2 || true; }
device() { cups lpstat -v "$queue" 2>/dev/null | sed -n 's/^device for [^:]*: //p'; }
no_policy() {
    echo "cupsd.conf has no \"$policy\" policy: $queue keeps the default one, and its backend refuses jobs that CUPS did not authenticate." >&2
}

cups lpstat -r 2>/dev/null | grep -q "is running" || exit 3

case "${1:-}" in
    add)
        [ $# -eq 2 ] && [ -r "$2" ] || { echo "usage: $0 add PPD (a readable file)" >&2; exit 2; }
        ppd=$2
        case "$(device)" in
            zirn:*)
                # Ours already: the administrator's settings stay; the PPD follows this version,
                # and so does the policy (an earlier version used one of its own in cupsd.conf).
                if ! cups lpadmin -p "$queue" -P "$ppd" -o printer-op-policy="$policy" 2>/dev/null; then
                    no_policy
                    lpadmin_quiet -p "$queue" -P "$ppd"
                fi
                ;;
            "") ;;
            *)
                # An earlier version's queue (cups-pdf) or someone else's under our name: ours now.
                cups lpadmin -x "$queue"
                ;;
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
        fi
        [ "$(device)" = zirn:/ ] || { echo "CUPS did not add the queue $queue." >&2; exit 1; }
        cups cupsenable "$queue"
        cups cupsaccept "$queue"
        ;;
    remove)
        [ $# -eq 1 ] || { echo "usage: $0 remove" >&2; exit 2; }
        if [ -n "$(device)" ]; then cups lpadmin -x "$queue"; fi
        ;;
    *)
        echo "usage: $0 [--queue NAME] [--server HOST] add PPD | remove" >&2
        exit 2
        ;;
esac
