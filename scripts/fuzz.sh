#!/usr/bin/env bash
# Builds the fuzz targets (tests/fuzz) with clang in build-fuzz/ and runs each for SECONDS
# (default 60) on its seeds in tests/fuzz/seeds/<target>.
# What a target finds new stays in build-fuzz/corpus/<target> for the next run; an input that
# breaks a target is kept as build-fuzz/crashes/<target>-crash-<hash>, and the script fails.
#
#   scripts/fuzz.sh [SECONDS]
#
# ZIRN_FUZZ_SEED fixes libFuzzer's random seed (scripts/test.sh sets it, so that a run of the
# tests tries the same inputs every time); unset, every run takes a new one.
# Without clang it says so and does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
if ! command -v clang++ >/dev/null; then
    echo "clang++ not found: the fuzz targets are skipped."
    exit 0
fi
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
echo "== Fuzz targets (build-fuzz/), ${seconds} s each"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZIRN_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build build-fuzz --target fuzz

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
mkdir -p build-fuzz/crashes
# Scratch files in memory where there is a memory file system: the store syncs every write.
memory=/dev/shm
[[ -d $memory && -w $memory ]] || memory=${TMPDIR:-/tmp}
failed=()
for program in build-fuzz/tests/fuzz/fuzz_*; do
    target=${program##*/fuzz_}
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    # The PDF seed protected too, as protected documents come in.
    [[ $target != pdf_create ]] ||
        qpdf --encrypt "" owner 128 --use-aes=y -- tests/fuzz/seeds/pdf_create/info-xmp.pdf "$corpus/aes.pdf"
    seeds=()
    [[ -d tests/fuzz/seeds/$target ]] && seeds=("tests/fuzz/seeds/$target")
    scratch=$(mktemp -d "$memory/zirn-fuzz.XXXXXX")
    if TMPDIR=$scratch "$program" -max_total_time="$seconds" -seed="${ZIRN_FUZZ_SEED:-0}" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/crashes/$target-" "$corpus" "${seeds[@]}" >"$scratch/log" 2>&1; then
        echo "$target: $(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/log") runs, no fault"
    else
        grep -v -E '^#[0-9]+ ' "$scratch/log" | tail -n 40
        echo "$target: FAULT, the input is in build-fuzz/crashes/"
        failed+=("$target")
    fi
    rm -rf "$scratch"
done
if [[ ${#failed[@]} -gt 0 ]]; then
    echo "== Fuzz targets that found a fault: ${failed[*]}" >&2
    exit 1
fi
echo "== No fuzz target found a fault"
