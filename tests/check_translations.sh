#!/usr/bin/env bash
# Every text the program shows has a German translation: refreshing a copy of the .ts file
# from the sources must leave no unfinished entry behind.
set -euo pipefail
lupdate=$1 sources=$2 ts=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
"$lupdate" -silent -no-obsolete -locations none "$sources" -ts "$work/check.ts" >/dev/null
if grep -n -B2 'type="unfinished"' "$work/check.ts"; then
    echo "Untranslated texts in $(basename "$ts") (run: cmake --build build --target update_translations)" >&2
    exit 1
fi
echo "1 passed, 0 failed"
