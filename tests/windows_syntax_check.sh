#!/usr/bin/env bash
# Compiles every source file of the program for Windows as a syntax check, with Debian's cross
# compiler against the Qt headers, so the Windows branches (Q_OS_WIN) are compiled too.
#   windows_syntax_check.sh SOURCE_FOLDER GENERATED_INCLUDE_FOLDERS QT_INCLUDE_FOLDERS (both ;-separated) \
#       [LIBRARY_HEADER...]
# Library headers (qrencode.h) are copied to a folder of their own: the system's include folder
# holds Linux's C library, which must not take the place of the cross compiler's own.
set -euo pipefail
sources=$1
IFS=';' read -r -a generated <<<"$2"
IFS=';' read -r -a qt_folders <<<"$3"
shift 3
headers=$(mktemp -d)
trap 'rm -rf "$headers"' EXIT
for header in "$@"; do
    cp "$header" "$headers/"
done

compiler=x86_64-w64-mingw32-g++-posix
command -v "$compiler" >/dev/null || { echo "FAIL: $compiler is not installed (g++-mingw-w64-x86-64-posix)"; exit 1; }

flags=(-std=c++20 -fsyntax-only -Wno-attributes -I "$sources" -I "$headers")
for folder in "${generated[@]}" "${qt_folders[@]}"; do
    flags+=(-I "$folder")
done

# The check must see the Windows branches: a file that stops only on Windows has to fail.
probe="$headers/probe.cpp"
printf '#include <QtGlobal>\n#ifdef Q_OS_WIN\n#error the Windows branch is compiled\n#endif\n' >"$probe"
if "$compiler" "${flags[@]}" "$probe" 2>/dev/null; then
    echo "FAIL: Q_OS_WIN is not defined for the cross compiler; the check would see no Windows code"
    exit 1
fi

export compiler
failed=$(find "$sources" -name '*.cpp' | sort | xargs -P 2 -I{} bash -c '
    if ! errors=$("$compiler" "$@" "{}" 2>&1); then
        head -n 20 <<<"$errors" >&2
        echo "{}"
    fi' _ "${flags[@]}")
count=$(find "$sources" -name '*.cpp' | wc -l)
if [ -n "$failed" ]; then
    echo "FAIL: these files do not compile for Windows:"
    echo "$failed"
    exit 1
fi
echo "$count files compile for Windows"
