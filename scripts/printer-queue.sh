#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# Adds, stops, starts or removes the print queue "Zirn PDF Writer" on the local CUPS. Shared by
# scripts/install-printer.sh and the Debian package's maintainer scripts, so plain sh.
#
#   printer-queue.sh [OPTIONS] add PPD          adds the queue, or gives the existing one this PPD
#   printer-queue.sh [OPTIONS] suspend          disables the queue and rejects its jobs; prints
#                                               what it stopped ("enable", "accept"), for resume
#   printer-queue.sh [OPTIONS] resume [enable] [accept]
#   printer-queue.sh [OPTIONS] remove
#   OPTIONS: --queue NAME (Zirn_PDF_Writer), --server SOCKET (/run/cups/cups.sock),
#            --server-root DIR (the server's configuration folder, /etc/cups)
#
# Exit status: 0 done (also when there is no queue to suspend, resume or remove), 3 CUPS is not
# running (nothing changed), 4 a queue of that name is someone else's (left as it is), 1 CUPS
# refused a change, 2 wrong usage.
#
# Only the scheduler's local socket is ever asked, never a network address: in a chroot or
# container without that socket, CUPS's clients would fall back to localhost:631, which may be
# the host's scheduler. Every call runs without a terminal (nothing can ask for a password),
# with a time limit, and under LC_ALL=C, as its output and messages are read.
#
# A queue of ours that exists is kept as the administrator set it up: enabled or not, accepting
# or not, its policy, allowed users, the default-printer flag and its option defaults. Only its
# PPD follows this version: the choices that the queue's current PPD makes its defaults
# (PageSize Letter, say) are carried into the new one wherever it offers them; the defaults that
# CUPS keeps beside the PPD (number-up, ...) stay as they are. The current PPD is read from the
# server's own folder, which is root's (CUPS's clients would fetch it from localhost:631). A
# queue of the same name that an earlier version made with cups-pdf is replaced; one with any
# other device is left alone. A new queue takes the stock "authenticated" policy of cupsd.conf,
# whose job operations need an authenticated user: over the local socket CUPS knows the user
# from the connection, so nobody is asked for a password and "lp -U someoneelse" is refused.
# Where cupsd.conf has no such policy the queue keeps the server's default one and this says
# so; the backend then refuses every job that CUPS did not authenticate, so still nobody prints
# into another user's session.
set -eu

queue=Zirn_PDF_Writer
description="Zirn PDF Writer"
policy=authenticated
server=/run/cups/cups.sock
server_root=/etc/cups
# printer-state-message, which anybody can read: no name or path of anyone's.
suspended="Zirn PDF Writer is not installed"
while [ $# -gt 0 ]; do
    case "$1" in
        --queue) queue=$2; shift 2 ;;
        --server) server=$2; shift 2 ;;
        --server-root) server_root=$2; shift 2 ;;
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
usage() {
    echo "usage: $0 [--queue NAME] [--server SOCKET] [--server-root DIR] add PPD | suspend | resume [enable] [accept] | remove" >&2
    exit 2
}

cups() { # program args...: a CUPS tool against the local socket, bounded, never prompting
    program=$1; shift
    CUPS_SERVER=$server LC_ALL=C timeout 30 setsid -w "$program" -h "$server" "$@" </dev/null
}
# lpadmin, with what CUPS answered in $refusal, less its warning on every PPD that drivers are
# deprecated, which is not for our users.
lpadmin_() {
    status=0
    refusal=$(cups lpadmin "$@" 2>&1 >/dev/null) || status=$?
    refusal=$(printf '%s\n' "$refusal" | grep -v -e "Printer drivers are deprecated" -e '^$') || true
    return $status
}
refused() { # what was asked
    [ -z "$refusal" ] || printf '%s\n' "$refusal" >&2
    echo "CUPS did not $1." >&2
    exit 1
}
device() { cups lpstat -v "$queue" 2>/dev/null | sed -n 's/^device for [^:]*: //p'; }
enabled() { ! cups lpstat -p "$queue" 2>/dev/null | grep -q "^printer $queue disabled since "; }
accepting() { cups lpstat -a "$queue" 2>/dev/null | grep -q "^$queue accepting requests since "; }
no_policy() {
    echo "cupsd.conf has no \"$policy\" policy: $queue keeps the default one, and its backend refuses jobs that CUPS did not authenticate." >&2
}
foreign() { # device
    echo "A queue $queue with the device $1 is not this program's: it is left as it is." >&2
    exit 4
}
ours() { # -> whether there is a queue of ours (one of someone else's stops here)
    case "$(device)" in
        zirn:*) return 0 ;;
        "") return 1 ;;
        *) foreign "$(device)" ;;
    esac
}

# The PPD $2 with the defaults that PPD $1 chose (its *DefaultKeyword: Choice lines) wherever $2
# offers that choice (a "*Keyword Choice" line); every other line as it is in $2.
with_defaults() { # current new
    current=$1
    [ -r "$current" ] || current=/dev/null
    awk '
        { key = "" }
        /^\*Default[^:]*:/ {
            key = substr($0, 9, index($0, ":") - 9)
            choice = substr($0, index($0, ":") + 1)
            gsub(/^[ \t]+|[ \t\r]+$/, "", choice)
        }
        phase == "current" { if (key != "") chosen[key] = choice; next }
        /^\*[^%?]/ && (space = index($0, " ")) { # *Keyword Choice/Text: ... or *Keyword Choice: ...
            option = substr($0, space + 1)
            sub(/[\/:].*/, "", option)
            offered[substr($0, 2, space - 2) SUBSEP option] = 1
        }
        { n++; lines[n] = $0; keys[n] = key }
        END {
            for (i = 1; i <= n; i++) {
                key = keys[i]
                if (key != "" && key in chosen && (key SUBSEP chosen[key]) in offered)
                    lines[i] = "*Default" key ": " chosen[key]
                print lines[i]
            }
        }' phase=current "$current" phase=new "$2"
}

[ -S "$server" ] && cups lpstat -r 2>/dev/null | grep -qx "scheduler is running" || exit 3

case "${1:-}" in
    add)
        [ $# -eq 2 ] && [ -r "$2" ] || { echo "usage: $0 add PPD (a readable file)" >&2; exit 2; }
        ppd=$2
        case "$(device)" in
            zirn:*)
                work=$(mktemp -d)
                trap 'rm -rf "$work"' EXIT
                with_defaults "$server_root/ppd/$queue.ppd" "$ppd" >"$work/$queue.ppd"
                lpadmin_ -p "$queue" -P "$work/$queue.ppd" || refused "take the new PPD of $queue"
                ;;
            cups-pdf:*) cups lpadmin -x "$queue" ;;
        esac
        if ! ours; then
            # Not shared on the network; a failed job is dropped, never retried (a second
            # window) nor allowed to stop the queue.
            set -- -p "$queue" -D "$description" -v zirn:/ -P "$ppd" -o printer-is-shared=false \
                -o printer-error-policy=abort-job
            if ! lpadmin_ "$@" -o printer-op-policy="$policy"; then
                case "$refusal" in
                    *"Unknown printer-op-policy \"$policy\""*) no_policy; lpadmin_ "$@" || refused "add the queue $queue" ;;
                    *) refused "add the queue $queue" ;;
                esac
            fi
            [ "$(device)" = zirn:/ ] || refused "add the queue $queue"
            cups cupsenable "$queue"
            cups cupsaccept "$queue"
        fi
        ;;
    suspend)
        [ $# -eq 1 ] || usage
        ours || exit 0
        stopped=
        if enabled; then
            cups cupsdisable -r "$suspended" "$queue" || exit 1
            stopped=enable
        fi
        if accepting; then
            cups cupsreject -r "$suspended" "$queue" || exit 1
            stopped="${stopped:+$stopped }accept"
        fi
        echo "$stopped"
        ;;
    resume)
        shift
        for what; do case "$what" in enable | accept) ;; *) usage ;; esac; done
        ours || exit 0
        for what; do cups "cups$what" "$queue" || exit 1; done
        ;;
    remove)
        [ $# -eq 1 ] || usage
        case "$(device)" in
            zirn:* | cups-pdf:*) cups lpadmin -x "$queue" ;;
            "") ;;
            *) foreign "$(device)" ;;
        esac
        ;;
    *) usage ;;
esac
