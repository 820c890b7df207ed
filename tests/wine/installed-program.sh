#!/usr/bin/env bash
# The installed program under Wine, as a Windows user meets it: the installer run silently, a
# stand-in bridge tool and its two libraries put beside pannix.exe, the start window opened (a
# screenshot of it is kept), Enter on its first button reaching the launcher; then, with a library
# missing, the tools window in its place, and once it is cancelled the stop message and exit status
# 1; last, the silent uninstaller. Needs an X display.
# Wine's user is given an English locale, as most Windows users outside China have: the windows then
# show the English texts, which the installed program carries inside it.
#   installed-program.sh INSTALLER STANDIN_TOOL SCREENSHOT
set -euo pipefail
installer=$1
standin=$2
screenshot=$3
fail() { echo "FAIL: $*"; wineserver -k 2> /dev/null || true; exit 1; }
# Waits for a window whose title matches, and prints its id.
window() {
    for _ in $(seq 1 60); do
        id=$(xdotool search --name "$1" 2> /dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.5
    done
    return 1
}

export LC_ALL=C.UTF-8 LANGUAGE=
rm -rf "$WINEPREFIX"
wineboot -i > /dev/null 2>&1
wineserver -w
wine "$installer" /S
wineserver -w
folder="$WINEPREFIX/drive_c/Program Files/Pannix"
for file in pannix.exe pannix-tools.exe Uninstall.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6Network.dll tls/qschannelbackend.dll \
    platforms/qwindows.dll \
    styles/qwindowsvistastyle.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll LICENSE.txt README.txt; do
    [ -f "$folder/$file" ] || fail "the installer did not install $file"
done
find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Pannix.lnk' | grep -q . || fail "no Start-menu entry"

# The install helper runs from the installed folder: a file that is not the release is refused, in the
# window's language, on one line of its report (its input held open, as the window holds it).
echo "not the release" > "$WINEPREFIX/drive_c/release.zip"
report=$(sleep 3 | wine "$folder/pannix-tools.exe" --root 'C:\tools' --address https://tools.test/release.zip \
    --sha256 "$(printf '0%.0s' $(seq 64))" --folder release --language en --file 'C:\release.zip' 2> /dev/null \
    | tr -d '\r' || true) # it ends with status 1, having refused the file
grep -q '"finished":"This file is not the official release' <<< "$report" || fail "the install helper did not run: $report"

cp "$standin" "$folder/adb.exe"
echo stand-in > "$folder/AdbWinApi.dll"
echo stand-in > "$folder/AdbWinUsbApi.dll"
printf 'List of devices attached\nSER1\tdevice\n\n' > "$folder/adb.devices"
wine "$folder/pannix.exe" > /dev/null 2>&1 &
start=$(window '^Pannix CoolApk@Tollen$') || fail "the start window did not open (in English)"
sleep 1
import -window "$start" "$screenshot"
# The window opens with the keyboard focus on "Connect and start".
xdotool key --window "$start" Return
window '\[1 connected\]' > /dev/null || fail "Enter on Connect and start did not reach the launcher"
wineserver -k 2> /dev/null || true
wineserver -w

rm "$folder/AdbWinApi.dll"
wine "$folder/pannix.exe" > /dev/null 2>&1 &
pannix=$!
# The tools are offered instead; its buttons, with the focus on the first: Download, From file, Cancel.
tools=$(window '^Get the mirroring tools$') || fail "no tools window with AdbWinApi.dll missing"
sleep 1
xdotool key --window "$tools" Tab Tab Return
box=$(window '^Warning$') || fail "no message once the tools window was cancelled"
xdotool key --window "$box" Return
status=0
wait "$pannix" || status=$?
[ "$status" -eq 1 ] || fail "the missing-files stop ended with status $status, not 1"

wine "$folder/Uninstall.exe" /S
wineserver -w
for _ in $(seq 1 20); do [ -f "$folder/pannix.exe" ] || break; sleep 0.5; done
[ ! -f "$folder/pannix.exe" ] || fail "the uninstaller left pannix.exe"
echo "installed program: installed, started, reached the launcher, offered the tools and stopped without AdbWinApi.dll, uninstalled"
