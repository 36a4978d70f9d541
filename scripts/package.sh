#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds the Debian package zirn-pdf-writer_<version>_<arch>.deb into the top folder of the
# source, with its .buildinfo (how it was built, to rebuild it bit for bit) and .changes,
# installing what the build needs first (with sudo when not run as root).
#
#   scripts/package.sh            # then: sudo apt install ./zirn-pdf-writer_<version>_<arch>.deb
#
# The unit tests run during the build; DEB_BUILD_OPTIONS=nocheck leaves them out (scripts/test.sh
# does, having just run them).
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v dpkg-checkbuilddeps >/dev/null || ! dpkg-checkbuilddeps 2>/dev/null; then
    echo "Installing the build dependencies of the package"
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install the build dependencies" >&2; exit 1; }
        sudo=(sudo)
    fi
    apt_get() { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -qq --no-install-recommends "$@"; }
    apt_get update
    apt_get build-dep ./
fi

# The debug symbols stay out: the package is meant for this machine's users, not an archive.
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }noautodbgsym"
dpkg-buildpackage -us -uc -b

version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
name=zirn-pdf-writer_${version}_${arch}
mv -f "../$name.deb" "../$name.buildinfo" "../$name.changes" .
echo
echo "Built $PWD/$name.deb; install it with: sudo apt install ./$name.deb"
