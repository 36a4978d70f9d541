#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds the Debian source and binary packages of Zirn PDF Writer into dist/ (which git and
# dpkg-source ignore): the upstream tarball zirn-pdf-writer_<upstream>.orig.tar.xz, the
# .debian.tar.xz and .dsc, and zirn-pdf-writer_<version>_<arch>.deb with its .buildinfo (how it
# was built, to rebuild it bit for bit) and .changes. Installs what the build needs first (with
# sudo when not run as root).
#
#   scripts/package.sh     # then: sudo apt install ./dist/zirn-pdf-writer_<version>_<arch>.deb
#
# The packages are made of the files that git tracks, as they are in this checkout: the build
# runs in a copy of them (dist/zirn-pdf-writer-<upstream>/, deleted once it succeeded), so the
# checkout stays as it is and nothing untracked gets in. The upstream tarball has fixed owners,
# modes and times (the date of the newest debian/changelog entry) and sorted names: the same
# files always give the same tarball. The unit tests run during the build;
# DEB_BUILD_OPTIONS=nocheck leaves them out (scripts/test.sh does, having just run them).
set -euo pipefail
cd "$(dirname "$0")/.."

if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "scripts/package.sh packs the files that git tracks: run it in a git checkout" \
        "(in an unpacked source package, run dpkg-buildpackage instead)." >&2
    exit 1
fi

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

source=$(dpkg-parsechangelog -S Source)
version=$(dpkg-parsechangelog -S Version)
upstream=${version#*:}
upstream=${upstream%-*}
timestamp=$(dpkg-parsechangelog -S Timestamp)
dist=$PWD/dist
tree=$dist/$source-$upstream
orig=$dist/${source}_$upstream.orig.tar.xz

# The tracked files that are there (one deleted but not yet committed is not), NUL-separated.
tracked() {
    local file
    git ls-files -z | while IFS= read -r -d '' file; do
        if [[ -e $file || -L $file ]]; then printf '%s\0' "$file"; fi
    done
}
pack() { # the files named on stdin -> a tar stream in the folder <source>-<upstream>/
    tar --create --null --verbatim-files-from --files-from=- --sort=name --format=gnu \
        --mtime="@$timestamp" --owner=0 --group=0 --numeric-owner --mode=u+rw,go=rX \
        --transform="s|^|$source-$upstream/|"
}

mkdir -p "$dist"
rm -rf "$tree"
tracked | grep -zv '^debian/' | pack | xz -6 -T1 >"$orig.new"
mv -f "$orig.new" "$orig"
tracked | pack | tar --extract --directory="$dist"

# The debug symbols stay out: the package is meant for this machine's users, not an archive.
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }noautodbgsym"
(cd "$tree" && dpkg-buildpackage -us -uc)
rm -rf "$tree"

name=${source}_${version#*:}_$(dpkg-architecture -q DEB_HOST_ARCH)
echo
echo "Built in $dist: ${source}_${version#*:}.dsc (source) and $name.deb, with $name.changes."
echo "Install it with: sudo apt install $dist/$name.deb"
