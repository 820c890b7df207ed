#!/usr/bin/env bash
# The source folders are layers, and a file includes only its own folder and the layers below:
# controls and bridge; the client, the install and the sending of files; the program's state; the windows' folders, none
# of which includes another; the composition root. Every include that reaches up or sideways fails
# the test by name.
set -euo pipefail
src=$1/src
declare -A level=([controls]=0 [bridge]=0 [client]=1 [install]=1 [transfer]=1 [state]=2
    [startup]=3 [launcher]=3 [panels]=3 [info]=3 [tools]=3 [sending]=3 [app]=4)
faults=0
while IFS= read -r file; do
    folder=${file#"$src"/}
    folder=${folder%%/*}
    if [ -z "${level[$folder]+set}" ]; then
        echo "$file: the folder $folder is no layer"
        faults=$((faults + 1))
        continue
    fi
    while IFS= read -r included; do
        [[ $included == */* ]] || continue # its own folder, or a header the build generates
        target=${included%%/*}
        [ -n "${level[$target]+set}" ] || continue
        if [ "$target" != "$folder" ] && [ "${level[$target]}" -ge "${level[$folder]}" ]; then
            echo "$file includes $included: $target is not below $folder"
            faults=$((faults + 1))
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -name '*.cpp' -o -name '*.h')
[ "$faults" -eq 0 ]
