#!/usr/bin/env bash
# Measures a protected Create through the project's code against `qpdf --encrypt` on the
# same large input: wall time and peak memory (resident set) of each, the median of a few
# runs, printed as ratios.   bench/create_vs_qpdf.sh [runs=3]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zirn_install_packages "${ZIRN_PACKAGES[@]}" time
runs=${1:-3}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target zirn-bench-make-large zirn-bench-create >/dev/null

work=build/bench-data
mkdir -p "$work"
input="$work/large.pdf"
if [[ ! -s "$input" ]]; then
    echo "Making the input (2000 pages with images)..."
    QT_QPA_PLATFORM=offscreen ./build/bench/zirn-bench-make-large "$input" 2000 320
fi
pages=$(qpdf --show-npages "$input")
size=$(stat -c %s "$input")
echo "Input: $input, $pages pages, $((size / 1000000)) MB"

measure() { # prints "seconds kilobytes" of one run of the command
    local log="$work/time.log"
    /usr/bin/time -o "$log" -f '%e %M' "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    tail -n 1 "$log"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

zt=(); zm=(); qt=(); qm=()
for ((i = 1; i <= runs; i++)); do
    rm -f "$work/zirn.pdf" "$work/qpdf.pdf"
    read -r t m < <(measure ./build/bench/zirn-bench-create "$input" "$work" zirn.pdf)
    zt+=("$t"); zm+=("$m")
    read -r t m < <(measure qpdf --encrypt "" owner 128 --use-aes=y --print=full --modify=none --extract=n -- \
                    "$input" "$work/qpdf.pdf")
    qt+=("$t"); qm+=("$m")
done
[[ -s "$work/zirn.pdf" && -s "$work/qpdf.pdf" ]] || { echo "a run wrote no output" >&2; exit 1; }

# The fixed cost of each program's runtime (shared libraries mapped at start), measured on
# a two-page input: it shows how much of the difference is the Qt runtime, not the work.
small="$work/small.pdf"
[[ -s "$small" ]] || QT_QPA_PLATFORM=offscreen ./build/bench/zirn-bench-make-large "$small" 2 32
read -r _ zb < <(measure ./build/bench/zirn-bench-create "$small" "$work" zirn-small.pdf)
read -r _ qb < <(measure qpdf --encrypt "" owner 128 --use-aes=y -- "$small" "$work/qpdf-small.pdf")

zt_med=$(printf '%s\n' "${zt[@]}" | median); zm_med=$(printf '%s\n' "${zm[@]}" | median)
qt_med=$(printf '%s\n' "${qt[@]}" | median); qm_med=$(printf '%s\n' "${qm[@]}" | median)
echo "Zirn PDF Writer: ${zt_med} s, $((zm_med / 1024)) MiB peak (runs: ${zt[*]})"
echo "qpdf --encrypt:  ${qt_med} s, $((qm_med / 1024)) MiB peak (runs: ${qt[*]})"
echo "runtime baseline (two-page input): Zirn $((zb / 1024)) MiB, qpdf $((qb / 1024)) MiB"
awk -v a="$zt_med" -v b="$qt_med" -v c="$zm_med" -v d="$qm_med" -v e="$zb" -v f="$qb" 'BEGIN {
    printf "time ratio:   %.3f (target <= 1.10)\n", a / b
    printf "memory ratio: %.3f (target <= 1.20)\n", c / d
    printf "memory ratio above each runtime baseline: %.3f\n", (c - e) / (d - f) }'
