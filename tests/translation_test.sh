#!/usr/bin/env bash
# Every text of the sources has its English translation: lupdate reads the sources into a copy of
# the Linguist file, and any message it finds new, or left unfinished, fails the test by name.
set -euo pipefail
source_dir=$1
lupdate=${2:-/usr/lib/qt6/bin/lupdate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir/translations/pannix_en.ts" "$work/pannix_en.ts"
"$lupdate" -silent -no-obsolete "$source_dir/src" -ts "$work/pannix_en.ts"
untranslated=$(grep -c 'type="unfinished"' "$work/pannix_en.ts" || true)
if [ "$untranslated" -gt 0 ]; then
    echo "$untranslated texts have no English translation:"
    grep -B2 'type="unfinished"' "$work/pannix_en.ts" | grep '<source>' || true
    exit 1
fi
# The committed file is the one lupdate writes: no text in it that the sources no longer hold.
if ! diff -q <(grep -v '<location' "$source_dir/translations/pannix_en.ts") <(grep -v '<location' "$work/pannix_en.ts") > /dev/null; then
    echo "translations/pannix_en.ts is not up to date with the sources; run lupdate -no-obsolete src -ts translations/pannix_en.ts"
    diff <(grep -v '<location' "$source_dir/translations/pannix_en.ts") <(grep -v '<location' "$work/pannix_en.ts") | head -20
    exit 1
fi
echo "all $(grep -c '<message>' "$work/pannix_en.ts") texts translated"
