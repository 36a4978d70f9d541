#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Installs the Debian packages that building, running and testing need, when some are missing.
# Sourced by run.sh and test.sh; safe to run on its own.
set -euo pipefail

ZIRN_PACKAGES=(
    build-essential cmake ninja-build pkg-config git ca-certificates
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n libgl-dev
    qt6-qpa-plugins
    libqpdf-dev qpdf libpugixml-dev nlohmann-json3-dev libicu-dev libgtest-dev
    poppler-utils xvfb xauth fonts-dejavu-core time desktop-file-utils
    librsvg2-bin appstream python3
)

# What the printing end-to-end test needs besides: a print system, python3 for its fixture, and
# the tools to run it for a test user; exFAT and FAT on FUSE for the saving tests on USB sticks;
# lintian for the Debian package, which test.sh builds as root too (scripts/package.sh installs
# what that build needs). Installed by test.sh when it runs as root.
ZIRN_TEST_PACKAGES=(
    cups cups-client cups-filters ghostscript qpdf procps passwd util-linux python3 lintian
    exfat-fuse exfatprogs fusefat dosfstools
)

zirn_missing_packages() {
    local p status
    for p in "$@"; do
        status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
        [[ "$status" == "install ok installed" ]] || echo "$p"
    done
}

zirn_install_packages() {
    local missing
    mapfile -t missing < <(zirn_missing_packages "$@")
    [[ ${#missing[@]} -eq 0 ]] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
    zirn_install_packages "${ZIRN_PACKAGES[@]}"
fi
