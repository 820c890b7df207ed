#!/usr/bin/env bash
# Runs a Windows test program under Wine: the Qt and MinGW libraries are found on Wine's PATH, and
# the report is taken from a file, since Wine does not pass the console output through.
#   run-under-wine.sh PROGRAM.exe [ARGUMENTS...]
set -uo pipefail
program=$1
shift
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
dlls=()
IFS=: read -r -a folders <<< "$PANNIX_WINE_DLL_FOLDERS"
for folder in "${folders[@]}"; do dlls+=("$(windows_path "$folder")"); done
WINEPATH=$(IFS=';'; echo "${dlls[*]}")
export WINEPATH
export QT_PLUGIN_PATH=$(windows_path "$QT_PLUGIN_PATH")
report=$(mktemp --suffix=.txt)
wine_output=$(mktemp)
trap 'rm -f "$report" "$wine_output"' EXIT
# Wine's server keeps the program's standard handles open for as long as any process the suite
# started lives (a client left running, a console host), and CTest waits for its pipe to close:
# so Wine writes to a file, not to CTest.
wine "$program" -platform offscreen "$@" -o "$(windows_path "$report"),txt" < /dev/null > "$wine_output" 2>&1
status=$?
cat "$report" "$wine_output"
exit $status
