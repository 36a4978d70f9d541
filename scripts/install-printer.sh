#!/usr/bin/env bash
# Adds the printer "Zirn PDF Writer" to CUPS: printing to it turns the job into a PDF (by
# cups-pdf, as the printing user, in ~/PDF) and opens Zirn PDF Writer on it in that
# user's desktop session.
#
#   sudo scripts/install-printer.sh            # install the program (if needed) and the printer
#   sudo scripts/install-printer.sh --remove   # take the printer away again
#
# Options for testing and special set-ups:
#   --queue NAME        queue name (default Zirn_PDF_Writer)
#   --server HOST:PORT  the CUPS server to configure (default: the local one)
#   --hook PATH         the post-processing hook to use instead of installing the program
# Running it twice changes nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

queue=Zirn_PDF_Writer
description="Zirn PDF Writer"
server=()
hook=""
remove=0
while [[ $# -gt 0 ]]; do
    case "$1" in
        --remove) remove=1 ;;
        --queue) queue=$2; shift ;;
        --server) server=(-h "$2"); shift ;;
        --hook) hook=$2; shift ;;
        *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
    shift
done
[[ "$queue" =~ ^[A-Za-z0-9_]+$ ]] || { echo "queue names use letters, digits and _ only" >&2; exit 2; }
if [[ $(id -u) -ne 0 ]]; then
    echo "Run this as root: sudo $0 $*" >&2
    exit 1
fi

conf=/etc/cups/cups-pdf-$queue.conf
apparmor_profile=/etc/apparmor.d/usr.sbin.cupsd
apparmor_local=/etc/apparmor.d/local/zirn-pdf-writer.cups-pdf
apparmor_include="  #include <local/zirn-pdf-writer.cups-pdf>"

apparmor_active() {
    [[ -r /sys/module/apparmor/parameters/enabled && $(cat /sys/module/apparmor/parameters/enabled) == Y ]] &&
        [[ -f "$apparmor_profile" ]] && command -v apparmor_parser >/dev/null
}

# Some distributions confine cups-pdf with AppArmor: its profile lets it read only the
# default configuration and run only a shell, cp and Ghostscript. The queue needs its own
# configuration read and the hook run (unconfined, as it starts a desktop program).
apparmor_allow() {
    apparmor_active || return 0
    local wanted
    wanted=$(printf '  /etc/cups/cups-pdf-*.conf r,\n  %s Ux,\n' "$1")
    if [[ ! -f "$apparmor_local" || "$(cat "$apparmor_local")" != "$wanted" ]]; then
        printf '%s\n' "$wanted" > "$apparmor_local"
    fi
    if ! grep -qF "$apparmor_include" "$apparmor_profile"; then
        # Into the cups-pdf profile, right after its opening line.
        sed -i "\|^/usr/lib/cups/backend/cups-pdf {|a\\$apparmor_include" "$apparmor_profile"
    fi
    apparmor_parser -r "$apparmor_profile"
}

apparmor_revoke() {
    [[ -f "$apparmor_profile" ]] && grep -qF "$apparmor_include" "$apparmor_profile" &&
        sed -i "\|^$apparmor_include\$|d" "$apparmor_profile"
    rm -f "$apparmor_local"
    if apparmor_active; then apparmor_parser -r "$apparmor_profile"; fi
}

queue_exists() { lpstat "${server[@]}" -v "$queue" >/dev/null 2>&1; }

if [[ $remove -eq 1 ]]; then
    if queue_exists; then lpadmin "${server[@]}" -x "$queue"; fi
    rm -f "$conf"
    apparmor_revoke || true
    echo "Removed the printer $queue."
    exit 0
fi

source scripts/deps.sh
zirn_install_packages cups cups-client printer-driver-cups-pdf ghostscript

if [[ -z "$hook" ]]; then
    # The program and its hook, installed under /usr/local.
    zirn_install_packages "${ZIRN_PACKAGES[@]}"
    hook=/usr/local/libexec/zirn-pdf-writer/zirn-print-hook
    if [[ ! -x "$hook" || ! -x /usr/local/bin/zirn-pdf-writer ]]; then
        cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
        cmake --build build -j "$(nproc)" --target zirn-pdf-writer zirn-print-hook
        cmake --install build --prefix /usr/local >/dev/null
    fi
fi
[[ -x "$hook" ]] || { echo "No hook at $hook" >&2; exit 1; }

# The queue's cups-pdf configuration. The spool folder is ~/PDF, which cups-pdf creates
# owner-only (UserUMask 0077) and which its AppArmor profile allows already. The file is
# named from the job title: no job number (Label 0), the title the application gave the
# job (TitlePref 1) without a short extension such as .odt (Cut 3).
wanted_conf=$(cat <<CONF
# Zirn PDF Writer print queue, written by install-printer.sh
Out \${HOME}/PDF
UserUMask 0077
Label 0
TitlePref 1
Cut 3
Truncate 128
DecodeHexStrings 1
PDFVer 1.5
PostProcessing $hook
CONF
)
if [[ ! -f "$conf" || "$(cat "$conf")" != "$wanted_conf" ]]; then
    printf '%s\n' "$wanted_conf" > "$conf"
    chmod 644 "$conf"
fi

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
if ! queue_exists || ! lpstat "${server[@]}" -v "$queue" | grep -q "cups-pdf:/$queue\$"; then
    # The PPD without options, so that the configuration above decides the naming.
    lpadmin "${server[@]}" -p "$queue" -D "$description" -v "cups-pdf:/$queue" -P "$ppd" -E \
        2> >(grep -v "Printer drivers are deprecated" >&2)
fi
apparmor_allow "$hook"
echo "The printer \"$description\" ($queue) is ready."
