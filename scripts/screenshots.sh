#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Takes the README's screenshots of the three tabs from the real window under Xvfb:
#   scripts/screenshots.sh     (writes docs/tab-general.png, tab-encryption.png, tab-settings.png)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zirn_install_packages "${ZIRN_PACKAGES[@]}" imagemagick
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target zirn-pdf-writer >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shoot() { # tab-index file
    local home="$work/home$1"
    mkdir -p "$home/.config/org.zirn.PDFWriter" "$home/Desktop" "$work/spool$1"
    cp resources/sample.pdf "$work/spool$1/Quarterly Report.pdf"
    cat > "$home/.config/org.zirn.PDFWriter/Zirn.ini" <<INI
[Values]
SelectedTab = $1
AutoUpdate = 1
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
    HOME="$home" XDG_CONFIG_HOME="$home/.config" LANG=en_US.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24" \
        bash -c "'$PWD/build/src/app/zirn-pdf-writer' '$work/spool$1/Quarterly Report.pdf' & pid=\$!; sleep 2;
                 import -window root -crop 560x380+0+0 '$PWD/docs/$2'; kill \$pid" 2>/dev/null
    echo "docs/$2"
}
shoot 0 tab-general.png
shoot 1 tab-encryption.png
shoot 2 tab-settings.png
