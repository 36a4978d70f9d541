#!/usr/bin/env bash
# Builds Zirn PDF Writer and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zirn_install_packages "${ZIRN_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target zirn-pdf-writer
./build/src/zirn-pdf-writer "$@"
