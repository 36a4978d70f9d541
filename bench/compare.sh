#!/usr/bin/env bash
# A protected Create by the whole program (launch, load, Create, exit, started on a spooled
# document with AutoStart) against `mutool clean -E aes-128` and
# `qpdf --stream-data=preserve --encrypt` on the same inputs: the median wall time and peak
# resident memory of a few runs each, and the ratios to the targets.
#   bench/compare.sh [runs=3]
# Inputs, made once in build/bench-data/: 2,200 pages with uncompressed images (~109 MB),
# and the same pages rewritten by Ghostscript's pdfwrite, as a printing chain makes them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zirn_install_packages "${ZIRN_PACKAGES[@]}" time mupdf-tools ghostscript
runs=${1:-3}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target zirn-bench-make-large zirn-pdf-writer >/dev/null
program=$PWD/build/src/app/zirn-pdf-writer

work=$PWD/build/bench-data
mkdir -p "$work"
raw="$work/raw.pdf"
gsmade="$work/ghostscript.pdf"
small="$work/small.pdf"
[[ -s "$raw" ]] || { echo "Making $raw ..."; QT_QPA_PLATFORM=offscreen ./build/bench/zirn-bench-make-large "$raw" 2200 128 raw; }
[[ -s "$gsmade" ]] || { echo "Making $gsmade ..."; gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -o "$gsmade" "$raw"; }
[[ -s "$small" ]] || QT_QPA_PLATFORM=offscreen ./build/bench/zirn-bench-make-large "$small" 2 32 raw

# The program runs as it would for a printed document: a scratch home with a settings file
# that presses Create at launch, and a hard link of the input as the spooled file it deletes.
home="$work/home"
rm -rf "$home" && mkdir -p "$home/.config/org.zirn.PDFWriter" "$home/spool" "$work/out"
cat >"$home/.config/org.zirn.PDFWriter/Zirn.ini" <<INI
[Values]
AutoStart = 1
AutoUpdate = 0
Overwrite = 1
UseEncryption = 1
MasterPassword = owner
AllowPrint = 1
PostAction = none
Path = $work/out
INI
command_for() { # command_for <tool> <input> <output name>: sets cmd
    case "$1" in
    zirn)
        ln -f "$2" "$home/spool/$3" # outside the measurement
        cmd=(env HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen "$program" "$home/spool/$3") ;;
    mutool) cmd=(mutool clean -E aes-128 -O owner -U "" "$2" "$work/out/$3") ;;
    qpdf)
        cmd=(qpdf --stream-data=preserve --encrypt "" owner 128 --use-aes=y --print=full --modify=none --extract=n --
             "$2" "$work/out/$3") ;;
    esac
}
measure() { # measure <tool> <input> <output name>: prints "seconds kilobytes" of one run
    local log="$work/time.log" cmd
    command_for "$@"
    /usr/bin/time -o "$log" -f '%e %M' "${cmd[@]}" >/dev/null 2>&1 || { echo "failed: ${cmd[*]}" >&2; exit 1; }
    tail -n 1 "$log"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
medians() { # medians <tool> <input>: "seconds kilobytes", each the median of the runs
    local t=() m=() i s k
    for ((i = 1; i <= runs; i++)); do
        rm -f "$work/out/$1.pdf"
        read -r s k < <(measure "$1" "$2" "$1.pdf")
        [[ -s "$work/out/$1.pdf" ]] || { echo "$1 wrote no output" >&2; exit 1; }
        t+=("$s"); m+=("$k")
    done
    echo "$(printf '%s\n' "${t[@]}" | median) $(printf '%s\n' "${m[@]}" | median)"
}

read -r _ zb < <(measure zirn "$small" baseline.pdf)
read -r _ qb < <(measure qpdf "$small" baseline.pdf)
echo "Runtime baseline (two-page input): Zirn PDF Writer $((zb / 1024)) MiB, qpdf $((qb / 1024)) MiB"
for input in "$raw" "$gsmade"; do
    echo "== $(basename "$input"): $(qpdf --show-npages "$input") pages, $(($(stat -c %s "$input") / 1000000)) MB, $runs runs"
    read -r zt zm < <(medians zirn "$input")
    read -r mt mm < <(medians mutool "$input")
    read -r qt qm < <(medians qpdf "$input")
    awk -v zt="$zt" -v zm="$zm" -v mt="$mt" -v mm="$mm" -v qt="$qt" -v qm="$qm" -v zb="$zb" 'BEGIN {
        printf "  Zirn PDF Writer (whole run): %5.2f s %4d MiB peak, %4d MiB above its baseline\n", zt, zm / 1024, (zm - zb) / 1024
        printf "  mutool clean -E aes-128:     %5.2f s %4d MiB peak\n", mt, mm / 1024
        printf "  qpdf --stream-data=preserve: %5.2f s %4d MiB peak\n", qt, qm / 1024
        printf "  time / mutool:               %5.2f (target <= 1.10)\n", zt / mt
        printf "  memory above baseline / qpdf: %4.2f (target <= 1.20)\n", (zm - zb) / qm }'
done
