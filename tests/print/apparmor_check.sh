#!/usr/bin/env bash
# The print queue's AppArmor rule, put into a copy of the distribution's cupsd profile the
# way install-printer.sh does it, must compile (parsed only; nothing is loaded).
#   apparmor_check.sh <source folder>
set -euo pipefail
source=$1
profile=/etc/apparmor.d/usr.sbin.cupsd
parser=$(command -v apparmor_parser || echo /usr/sbin/apparmor_parser)
[[ -f "$profile" && -x "$parser" ]] ||
    { echo "SKIPPED: needs $profile (cups-daemon) and apparmor_parser (apparmor)"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r /etc/apparmor.d "$scratch/"
local_file="$scratch/apparmor.d/local/usr.sbin.cupsd"
{
    echo "# BEGIN zirn-pdf-writer"
    sed "s|@PROGRAM@|/usr/local/bin/zirn-pdf-writer|" "$source/resources/zirn-cups-backend.apparmor"
    echo "# END zirn-pdf-writer"
} >> "$local_file"
"$parser" --skip-kernel-load --skip-cache --skip-read-cache --base "$scratch/apparmor.d" \
    -I "$scratch/apparmor.d" "$scratch/apparmor.d/usr.sbin.cupsd"
# The rule is really there, for the backend's own path.
expanded=$("$parser" --preprocess --base "$scratch/apparmor.d" -I "$scratch/apparmor.d" \
    "$scratch/apparmor.d/usr.sbin.cupsd" 2>/dev/null)
grep -q "^ *profile zirn_backend" <<<"$expanded" ||
    { echo "FAILED: the backend's profile is missing" >&2; exit 1; }
echo "The cupsd profile with the backend's rule compiles."
