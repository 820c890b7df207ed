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
for file in usr/bin/pannix usr/share/applications/pannix.desktop \
    usr/share/icons/hicolor/48x48/apps/pannix.png usr/share/icons/hicolor/128x128/apps/pannix.png \
    usr/share/icons/hicolor/256x256/apps/pannix.png; do
    [ -f "$work/root/$file" ] || fail "$file is not in the package"
done
[ -x "$work/root/usr/bin/pannix" ] || fail "pannix is not executable"
unexpected=$(cd "$work/root" && find . -type f | grep -v -E '^\./usr/(bin/pannix|share/applications/pannix\.desktop|share/icons/hicolor/[0-9]+x[0-9]+/apps/pannix\.png)$' || true)
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"

desktop-file-validate "$work/root/usr/share/applications/pannix.desktop" || fail "the desktop entry is not valid"
grep -q '^Exec=pannix$' "$work/root/usr/share/applications/pannix.desktop" || fail "the menu entry does not start pannix"
grep -q '^Comment\[zh_CN\]=' "$work/root/usr/share/applications/pannix.desktop" || fail "no Chinese comment"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins adb 'fonts-wqy-microhei | fonts-noto-cjk'; do
    grep -q -F "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Suggests)" = scrcpy ] || fail "it should suggest scrcpy"
[ "$(dpkg-deb -f "$deb" Package)" = pannix ] || fail "wrong package name"

# Every library the program links is one the dependencies bring.
missing=$(ldd "$work/root/usr/bin/pannix" | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries not found: $missing"
echo "package checked: $(basename "$deb")"
