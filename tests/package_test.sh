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
for file in usr/bin/pannix usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml \
    usr/share/icons/hicolor/48x48/apps/pannix.png usr/share/icons/hicolor/128x128/apps/pannix.png \
    usr/share/icons/hicolor/256x256/apps/pannix.png usr/share/man/man1/pannix.1.gz \
    usr/share/doc/pannix/copyright usr/share/doc/pannix/changelog.gz; do
    [ -f "$work/root/$file" ] || fail "$file is not in the package"
done
[ -x "$work/root/usr/bin/pannix" ] || fail "pannix is not executable"
unexpected=$(cd "$work/root" && find . -type f | grep -v -E '^\./usr/(bin/pannix|share/applications/io\.github\.pannix\.Pannix\.desktop|share/metainfo/io\.github\.pannix\.Pannix\.metainfo\.xml|share/icons/hicolor/[0-9]+x[0-9]+/apps/pannix\.png|share/man/man1/pannix\.1\.gz|share/doc/pannix/(copyright|changelog\.gz|README\.md))$' || true)
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
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6network6 libarchive13 qt6-qpa-plugins adb 'fonts-wqy-microhei | fonts-noto-cjk'; do
    grep -q -F "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Suggests)" = scrcpy ] || fail "it should suggest scrcpy"
[ "$(dpkg-deb -f "$deb" Recommends)" = android-sdk-platform-tools-common ] || fail "it should recommend the udev rules"
dpkg-deb -f "$deb" Maintainer | grep -q -E '^[^<>]+ <[^@<>]+@[^@<>]+\.[a-z]+>$' || fail "the maintainer is no name and address"
[ "$(dpkg-deb -f "$deb" Package)" = pannix ] || fail "wrong package name"

# Every library the program links is one the dependencies bring.
missing=$(ldd "$work/root/usr/bin/pannix" | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries not found: $missing"
echo "package checked: $(basename "$deb")"
