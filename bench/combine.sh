#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Joining documents against writing one: a Create of 10 documents of 200 pages each against a
# Create of one document of 2,000 pages (each page with a distinct JPEG image), plain and
# protected, through the program's own PDF creation; the medians of a few runs and the ratio.
#   bench/combine.sh [runs=3]
# Inputs, made once in build/bench-data/combine/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zirn_install_packages "${ZIRN_PACKAGES[@]}"
runs=${1:-3}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target zirn-bench-make-large zirn-bench-combine >/dev/null

work=$PWD/build/bench-data/combine
mkdir -p "$work/out"
export QT_QPA_PLATFORM=offscreen
[[ -s "$work/single.pdf" ]] || { echo "Making $work/single.pdf ..."; ./build/bench/zirn-bench-make-large "$work/single.pdf" 2000; }
parts=()
for i in $(seq 1 10); do
    [[ -s "$work/part-$i.pdf" ]] || ./build/bench/zirn-bench-make-large "$work/part-$i.pdf" 200
    parts+=("$work/part-$i.pdf")
done
echo "== $(($(stat -c %s "$work/single.pdf") / 1000000)) MB in one document, $(($(du -cb "${parts[@]}" | tail -n 1 | cut -f 1) / 1000000)) MB in 10, $runs runs"
./build/bench/zirn-bench-combine "$work/out" "$runs" "$work/single.pdf" "${parts[@]}"
