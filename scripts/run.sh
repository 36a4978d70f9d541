#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds Zirn PDF Writer and opens its window on a copy of a document.
#
#   scripts/run.sh [document.pdf]
#
# The program consumes (deletes) the document it is handed, as it does with a printed
# spool file, so it is given a copy in a scratch spool folder, never your original.
# Without a document the sample shipped in resources/ is used. Without a display the
# script runs a demonstration instead: the program writes the PDF by itself (AutoStart)
# under Qt's offscreen platform in a scratch home, and the result is described.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zirn_install_packages "${ZIRN_PACKAGES[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target zirn-pdf-writer
program="$PWD/build/src/app/zirn-pdf-writer"

document=${1:-resources/sample.pdf}
[[ -f "$document" ]] || { echo "No such document: $document" >&2; exit 1; }
name=$(basename "$document")
[[ "${name,,}" == *.pdf ]] || name="$name.pdf"

spool=$(mktemp -d "${TMPDIR:-/tmp}/zirn-spool.XXXXXX")
cp -- "$document" "$spool/$name"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    echo "Opening Zirn PDF Writer on a copy: $spool/$name"
    "$program" "$spool/$name"
    rmdir "$spool" 2>/dev/null || true
    exit 0
fi

echo "No display: running a demonstration under Qt's offscreen platform."
home=$(mktemp -d "${TMPDIR:-/tmp}/zirn-home.XXXXXX")
mkdir -p "$home/.config/org.zirn.PDFWriter" "$home/Output"
cat > "$home/.config/org.zirn.PDFWriter/Zirn.ini" <<INI
[Values]
AutoStart = 1
AutoUpdate = 0
PostAction = none
Path = $home/Output
Author = Zirn demonstration
INI
HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen "$program" "$spool/$name" 2>/dev/null
output="$home/Output/$name"
if [[ ! -f "$output" ]]; then
    echo "The program wrote no PDF." >&2
    exit 1
fi
echo
echo "Written: $output"
pdfinfo "$output"
if [[ -e "$spool/$name" ]]; then
    echo "The spool copy is still there: $spool/$name" >&2
    exit 1
fi
echo
echo "The spool copy was consumed, as a printed document is. Your original is untouched: $document"
rmdir "$spool" 2>/dev/null || true
