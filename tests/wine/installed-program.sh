#!/usr/bin/env bash
# The installed program under Wine, as a Windows user meets it: the installer run silently (its size,
# the folder's, the uninstall entry); a stand-in bridge tool and its two libraries beside pannix.exe,
# the program started from its Start-menu entry, its start window (a screenshot is kept) and Enter on
# its first button reaching the launcher; with a library missing, the program started as the finish
# page starts it, the tools window cancelled, the stop message (kept) and exit status 1, in English and
# in Chinese; last, the silent uninstaller. Needs an X display.
#   installed-program.sh INSTALLER STANDIN_TOOL SCREENSHOT NSISCONF
set -euo pipefail
installer=$1
standin=$2
screenshot=$3
nsisconf=$4
fail() { echo "FAIL: $*"; wineserver -k 2> /dev/null || true; exit 1; }
# Waits for a window whose title matches, and prints its id. Titles are compared as the window
# names itself (_NET_WM_NAME, UTF-8): xdotool's own search misses a Chinese title.
window() {
    for _ in $(seq 1 60); do
        for id in $(xdotool search --name . 2> /dev/null); do
            [[ $(xdotool getwindowname "$id" 2> /dev/null) =~ $1 ]] && { echo "$id"; return 0; }
        done
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
link=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Pannix.lnk' | head -n 1)
[ -n "$link" ] || fail "no Start-menu entry"
# What a user downloads and installs: at most 12 MB and 30 MB, the libraries without debug information.
installer_size=$(stat -c %s "$installer")
[ "$installer_size" -le 12000000 ] || fail "the installer is $installer_size bytes, more than 12 MB"
folder_size=$(du -sb "$folder" | cut -f1)
[ "$folder_size" -le 30000000 ] || fail "the installed folder is $folder_size bytes, more than 30 MB"
# The list of programs shows its size and folder.
entry=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pannix' 2> /dev/null | tr -d '\r')
grep -q 'InstallLocation.*C:\\Program Files\\Pannix' <<< "$entry" || fail "the uninstall entry has no folder: $entry"
grep -q 'EstimatedSize.*REG_DWORD.*0x[0-9a-f]\{3,\}' <<< "$entry" || fail "the uninstall entry has no size: $entry"

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
# Started as a user starts it: through its Start-menu entry.
wine start /unix "$link" > /dev/null 2>&1 &
start=$(window '^Pannix CoolApk@Tollen$') || fail "the Start-menu entry did not open the start window (in English): $(xdotool search --name . getwindowname %@ 2> /dev/null | tr "\n" ,)"
sleep 1
import -window "$start" "$screenshot"
# The window opens with the keyboard focus on "Connect and start".
xdotool key --window "$start" Return
window '\[1 connected\]' > /dev/null || fail "Enter on Connect and start did not reach the launcher"
wineserver -k 2> /dev/null || true
wineserver -w

rm "$folder/AdbWinApi.dll"
# The command the installer's finish page runs, with the installed folder for $INSTDIR.
finish=$(sed -n 's/^!define MUI_FINISHPAGE_RUN "\(.*\)"$/\1/p' "$nsisconf")
finish=${finish//\$INSTDIR/C:\\Program Files\\Pannix}
[ "$finish" = 'C:\Program Files\Pannix\pannix.exe' ] || fail "the finish page runs $finish"
# The tools are offered instead; its buttons, with the focus on the first: Download, From file, Cancel.
offer() { # LANGUAGE TOOLS_TITLE BOX_TITLE
    # Wine takes the user's language when its server starts: a new one for each language.
    wineserver -k 2> /dev/null || true
    wineserver -w
    LC_ALL=$1 wine "$finish" > /dev/null 2>&1 &
    pannix=$!
    tools=$(window "$2") || fail "no tools window with AdbWinApi.dll missing ($1): $(xdotool search --name . getwindowname %@ 2> /dev/null | tr "\n" ,)"
    sleep 1
    xdotool key --window "$tools" Tab Tab Return
    box=$(window "$3") || fail "no message once the tools window was cancelled ($1)"
    sleep 1
    import -window "$box" "${screenshot%.png}-stop-$1.png"
    xdotool key --window "$box" Return
    status=0
    wait "$pannix" || status=$?
    [ "$status" -eq 1 ] || fail "the missing-files stop ended with status $status, not 1 ($1)"
}
offer C.UTF-8 '^Get the mirroring tools$' '^Warning$'
offer zh_CN.UTF-8 '^获取投屏工具$' '^警告！$'

wine "$folder/Uninstall.exe" /S
wineserver -w
for _ in $(seq 1 20); do [ -f "$folder/pannix.exe" ] || break; sleep 0.5; done
[ ! -f "$folder/pannix.exe" ] || fail "the uninstaller left pannix.exe"
echo "installed program: installed (installer $installer_size bytes, folder $folder_size bytes), started from its Start-menu entry, reached the launcher, offered the tools and stopped without AdbWinApi.dll in English and Chinese, uninstalled"
