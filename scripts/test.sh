#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds Zirn PDF Writer and runs the whole test suite twice: an ordinary build in build/,
# then a build with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/; where clang
# is installed, it runs each fuzz target for 20 seconds too (scripts/fuzz.sh). Run as root
# (as CI does), it also builds the Debian source and binary packages (into dist/) and checks
# them with lintian.
# Installs the Debian packages it needs first (with sudo when not root).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zirn_install_packages "${ZIRN_PACKAGES[@]}"
if [[ $(id -u) -eq 0 ]]; then
    zirn_install_packages "${ZIRN_TEST_PACKAGES[@]}"
else
    echo "Not root: the printing end-to-end test will be skipped (it needs a private cupsd and a test user)."
fi

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Build (build/)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIRN_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
echo "== Tests (build/)"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Build with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZIRN_WERROR=ON -DZIRN_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
echo "== Tests (build-asan/)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
echo "== All tests passed in both builds"

ZIRN_FUZZ_SEED=1 scripts/fuzz.sh 20

if [[ $(id -u) -eq 0 ]]; then
    echo "== Debian source and binary packages, checked by lintian"
    # The unit tests have just run on these sources: the package build leaves them out.
    DEB_BUILD_OPTIONS=nocheck scripts/package.sh
    version=$(dpkg-parsechangelog -S Version)
    # Debian 12's lintian knows the Debian policy up to 4.6.2 and calls the Standards-Version of
    # Debian 13 and unstable, which the package follows, newer than it can check.
    lintian -EvIL +pedantic --fail-on error,warning,info,pedantic,experimental --suppress-tags newer-standards-version \
        "dist/zirn-pdf-writer_$version.dsc" "dist/zirn-pdf-writer_${version}_$(dpkg --print-architecture).changes"
    echo "== The packages build and lintian reports no error, warning, info, pedantic or experimental tag"
fi
