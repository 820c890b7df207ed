#!/usr/bin/env bash
# The tools' deployment values as configuring takes them: each row an address, a sum and a folder
# (or "-"), and what configuring must make of them: the folder, or "fails".
set -uo pipefail
module=$1/cmake/PannixToolsRelease.cmake
sum=ad56ae8bfeedf41e824945c11dbf55fcb092b3e615b9b486f48a50e30d389635
probe=$(mktemp --suffix=.cmake)
build=$(mktemp -d)
trap 'rm -rf "$probe" "$build"' EXIT
cat > "$probe" <<CMAKE
include($module)
pannix_tools_release("\${URL}" "\${SUM}" "\${FOLDER}" sum folder)
message(STATUS "\${folder} \${sum}")
CMAKE
failures=0
check() {
    local url=$1 given=$2 folder=$3 expected=$4
    [ "$folder" = - ] && folder=
    local said
    if said=$(cmake -DURL="$url" -DSUM="$given" -DFOLDER="$folder" -P "$probe" 2>&1); then
        said=$(echo "$said" | sed -n 's/^-- //p')
    else
        said="fails: $(echo "$said" | tr '\n' ' ')"
    fi
    case "$said" in
    "$expected"*) ;;
    *) echo "FAIL: $url / $given / $folder: expected \"$expected\", got \"$said\""; failures=$((failures + 1)) ;;
    esac
}
release=https://github.com/Genymobile/scrcpy/releases/download/v4.1/scrcpy-linux-x86_64-v4.1.tar.gz
check "$release" "$sum" - "scrcpy-linux-x86_64-v4.1 $sum"
check "$release" "${sum^^}" - "scrcpy-linux-x86_64-v4.1 $sum"
check "https://mirror.test/download.php?file=scrcpy-linux-x86_64-v4.1.tar.gz" "$sum" - "scrcpy-linux-x86_64-v4.1"
check "https://mirror.test/get?id=7&name=scrcpy-win64-v4.1.zip#top" "$sum" - "scrcpy-win64-v4.1"
check "https://mirror.test/get?id=7" "$sum" scrcpy-win64-v4.1 "scrcpy-win64-v4.1"
check "https://mirror.test/get?id=7" "$sum" - "fails: CMake Error"
check "$release" "${sum:1}" - "fails: CMake Error"
check "$release" "${sum}0" - "fails: CMake Error"
check "$release" "${sum:1}g" - "fails: CMake Error"
check "$release" "$sum" ../up "fails: CMake Error"
# The real configure step stops on a bad sum, naming it.
if out=$(cmake -S "$1" -B "$build" -DPANNIX_TOOLS_SHA256=not-a-sum 2>&1); then
    echo "FAIL: configuring with a bad sum succeeded"; failures=$((failures + 1))
elif ! grep -q 'not-a-sum' <<< "$out"; then
    echo "FAIL: configuring did not name the bad sum"; failures=$((failures + 1))
fi
[ $failures -eq 0 ] && echo "all rows as expected"
exit $((failures > 0))
