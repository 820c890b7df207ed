#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it and checks what a user would install.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$build"
cpack -G DEB -B "$work/out" > "$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/pannix_*.deb)
dpkg-deb -x "$deb" "$work/root"

fail() { echo "FAIL: $*"; exit 1; }
app=io.github.pannix.Pannix
for file in usr/bin/pannix usr/libexec/pannix/pannix-tools usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml \
    usr/share/icons/hicolor/16x16/apps/pannix.png usr/share/icons/hicolor/48x48/apps/pannix.png \
    usr/share/icons/hicolor/256x256/apps/pannix.png usr/share/man/man1/pannix.1.gz \
    usr/share/doc/pannix/copyright usr/share/doc/pannix/changelog.gz; do
    [ -f "$work/root/$file" ] || fail "$file is not in the package"
done
[ -x "$work/root/usr/bin/pannix" ] || fail "pannix is not executable"
[ -x "$work/root/usr/libexec/pannix/pannix-tools" ] || fail "the install helper is not executable"
unexpected=$(cd "$work/root" && find . -type f | grep -v -E '^\./usr/(bin/pannix|libexec/pannix/pannix-tools|share/applications/io\.github\.pannix\.Pannix\.desktop|share/metainfo/io\.github\.pannix\.Pannix\.metainfo\.xml|share/icons/hicolor/[0-9]+x[0-9]+/apps/pannix\.png|share/man/man1/pannix\.1\.gz|share/doc/pannix/(copyright|changelog\.gz|README\.md))$' || true)
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"

desktop="$work/root/usr/share/applications/$app.desktop"
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
grep -q '^Exec=pannix$' "$desktop" || fail "the menu entry does not start pannix"
grep -q '^Comment\[zh_CN\]=' "$desktop" || fail "no Chinese comment"

# Software centres list the program through its AppStream data.
metainfo="$work/root/usr/share/metainfo/$app.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; fail "the metainfo is not valid"; }
grep -E '^[EW]:' "$work/appstream.log" && fail "the metainfo has errors or warnings"
grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" || fail "the metainfo does not launch the menu entry"
echo "appstreamcli: $(tail -n 1 "$work/appstream.log")"

# The manual page renders and says what matters.
manual=$(MANWIDTH=80 man -l "$work/root/usr/share/man/man1/pannix.1.gz" 2>"$work/man.log") || { cat "$work/man.log"; fail "man cannot render pannix.1"; }
for needed in ANDROID_ADB_SERVER_PORT QT_LOGGING_RULES scrcpy 'no permissions'; do
    grep -q -F "$needed" <<<"$manual" || fail "the manual page does not mention $needed"
done
zcat "$work/root/usr/share/doc/pannix/changelog.gz" | head -n 1 | grep -q '^pannix (1\.5\.0)' || fail "the changelog does not record 1.5.0"

# Debian's own checker: no error and no warning.
lintian --allow-root --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian refuses the package"; }
echo "lintian: $(grep -c -E '^[EW]:' "$work/lintian.log" || true) errors and warnings"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6network6 libarchive13 qt6-qpa-plugins qt6-translations-l10n adb 'fonts-wqy-microhei | fonts-noto-cjk'; do
    grep -q -F "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Suggests)" = scrcpy ] || fail "it should suggest scrcpy"
[ "$(dpkg-deb -f "$deb" Recommends)" = android-sdk-platform-tools-common ] || fail "it should recommend the udev rules"
dpkg-deb -f "$deb" Maintainer | grep -q -E '^[^<>]+ <[^@<>]+@[^@<>]+\.[a-z]+>$' || fail "the maintainer is no name and address"
[ "$(dpkg-deb -f "$deb" Package)" = pannix ] || fail "wrong package name"

# Every library the program and its helper link is one the dependencies bring; the program starts
# without the network and archive libraries, which only the helper loads.
missing=$(ldd "$work/root/usr/bin/pannix" "$work/root/usr/libexec/pannix/pannix-tools" | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries not found: $missing"
! ldd "$work/root/usr/bin/pannix" | grep -E 'libQt6Network|libarchive' || fail "the program itself loads the install's libraries"

# The packaged helper installs the tools from an archive the user chose, as the tools window starts it
# (its input held open: the window closes it to cancel).
folder=$(sed -n 's/.*PANNIX_TOOLS_FOLDER "\(.*\)"/\1/p' "$build/src/generated/ToolsFolderName.h")
mkdir -p "$work/release/$folder"
for tool in adb scrcpy; do cp "$build/tests/standin_tool" "$work/release/$folder/$tool"; done
tar -czf "$work/release.tar.gz" -C "$work/release" "$folder"
sum=$(sha256sum "$work/release.tar.gz" | cut -d' ' -f1)
"$work/root/usr/libexec/pannix/pannix-tools" --root "$work/helper-root" --sha256 "$sum" --folder "$folder" \
    --file "$work/release.tar.gz" --language en < <(exec sleep 60 2> /dev/null) > "$work/helper.log" 2>&1 || { cat "$work/helper.log"; fail "the packaged helper did not install"; }
[ "$(tail -n 1 "$work/helper.log")" = '{"finished":""}' ] || { cat "$work/helper.log"; fail "the packaged helper did not tell its end"; }
[ -x "$work/helper-root/$folder/adb" ] || fail "the packaged helper did not unpack the tools"
echo "packaged helper: installed $folder"

# Installed as a user installs it (where the suite runs as root): once the tools are fetched, the
# program uses their adb, not Debian's beside it in /usr/bin.
if [ "$(id -u)" -eq 0 ] && ! dpkg -s pannix > /dev/null 2>&1; then
    dpkg -i "$deb" > "$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "the package does not install"; }
    trap 'dpkg -r pannix > /dev/null 2>&1; rm -rf "$work"' EXIT
    tools="$work/home/.local/share/Pannix/pannix/tools/$folder"
    mkdir -p "$tools"
    for tool in adb scrcpy; do cp "$build/tests/standin_tool" "$tools/$tool"; done
    printf 'List of devices attached\n\n' > "$tools/adb.devices"
    env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$work/home" QT_QPA_PLATFORM=offscreen timeout 5 pannix > /dev/null 2>&1 || true
    grep -q -a getprop "$tools/adb.log" 2> /dev/null || fail "the installed program did not call the tools' adb"
    echo "installed package: it calls $tools/adb"
fi
echo "package checked: $(basename "$deb")"
