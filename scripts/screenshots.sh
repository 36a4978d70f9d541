#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Takes the screenshots of the three tabs (for the README and software centres) from the real
# window under Xvfb, in English or in the languages named by their locales:
#   scripts/screenshots.sh               (docs/tab-general.png, tab-encryption.png, tab-settings.png)
#   scripts/screenshots.sh fr_FR ja_JP   (docs/tab-general-fr_FR.png, ... each under LANG=fr_FR.UTF-8)
# Each shot is the whole window at the size it takes for its language. The window shows the
# output folder, so the shots run as a user's would: with the home /home/erika and the folder
# ~/Documents, made on a scratch /home that only this script's own mount namespace sees (nothing
# of the machine's /home is touched).
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -z "${ZIRN_SCREENSHOT_HOME:-}" ]]; then
    source scripts/deps.sh
    # Chinese, Japanese and Korean need their fonts; DejaVu Sans has Arabic, Hebrew, Greek, Cyrillic.
    zirn_install_packages "${ZIRN_PACKAGES[@]}" imagemagick fonts-noto-cjk
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j "$(nproc)" --target zirn-pdf-writer >/dev/null
    exec unshare --map-root-user --mount env ZIRN_SCREENSHOT_HOME=/home/erika bash "$0" "$@"
fi
mount -t tmpfs tmpfs /home

home=$ZIRN_SCREENSHOT_HOME
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shoot() { # locale tab-index file
    rm -rf "$home"
    mkdir -p "$home/.config/org.zirn.PDFWriter" "$home/Documents" "$home/PDF"
    cp resources/sample.pdf "$home/PDF/Quarterly Report.pdf"
    cat > "$home/.config/org.zirn.PDFWriter/Zirn.ini" <<INI
[Values]
SelectedTab = $2
AutoUpdate = 1
Path = ~/Documents
Author = Erika Mustermann
Keywords = report, figures, 2026
Subject = Figures of the third quarter
UseEncryption = 1
UserPassword = reader
MasterPassword = owner-secret
AllowPrint = 1
INI
    printf '{"LastAutoUpdateCheck": "%s"}\n' "$(date -u '+%Y-%m-%d %H:%M:%S +0000')" \
        > "$home/.config/org.zirn.PDFWriter/defaults.json"
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES HOME="$home" XDG_CONFIG_HOME="$home/.config" USER=erika \
        LOGNAME=erika LANG="$1.UTF-8" TMPDIR="$work" xvfb-run -a -s "-screen 0 1280x1024x24" \
        bash -c "'$PWD/build/src/app/zirn-pdf-writer' '$home/PDF/Quarterly Report.pdf' & pid=\$!; sleep 2;
                 import -window 'Zirn PDF Writer' '$PWD/docs/$3'; kill \$pid" 2>/dev/null
    echo "docs/$3"
}
for locale in "${@:-en_US}"; do
    suffix=$([[ $# -gt 0 ]] && echo "-$locale" || true)
    shoot "$locale" 0 "tab-general$suffix.png"
    shoot "$locale" 1 "tab-encryption$suffix.png"
    shoot "$locale" 2 "tab-settings$suffix.png"
done
