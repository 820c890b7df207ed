#!/usr/bin/env bash
# Makes the build's own Wine prefix once, before any suite runs in it.
set -euo pipefail
[ -f "$WINEPREFIX/system.reg" ] && exit 0
wineboot -i > /dev/null 2>&1
wineserver -w
