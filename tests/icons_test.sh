#!/usr/bin/env bash
# The icon files the packages carry are the program's own drawing of its icon, at every size: drawn
# again, they are the same bytes.
set -euo pipefail
generator=$1
committed=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen "$generator" "$work"
for side in 16 24 32 48 64 128 256; do
    [ -f "$committed/pannix-$side.png" ] || { echo "FAIL: no icon of $side pixels"; exit 1; }
done
diff -r "$work" "$committed" || { echo "FAIL: the icon files differ from the drawing; run $generator $committed"; exit 1; }
echo "icons: $(ls "$committed" | wc -l) files, as drawn"
