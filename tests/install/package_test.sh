#!/usr/bin/env bash
# The installed game and its Debian package: `cmake --install` puts the program, the
# read-only game data, the menu entry, the icons and the AppStream file where a desktop
# finds them; the menu entry and the AppStream file pass their validators; CPack makes the
# package, whose contents are those files and whose dependencies name the package of every
# library the program links, plus the fonts and the SoundFont it opens at run time.
#
# Usage: package_test.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
top=$(mktemp -d)
trap 'rm -rf "$top"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$top/root" cmake --install "$build" --prefix /usr >"$top/install.log" 2>&1 ||
    fail "cmake --install failed: $(tail -n 5 "$top/install.log")"
prefix=$top/root/usr
for f in bin/tovuka02 share/tovuka02/Graphic/title.bmp share/tovuka02/Graphic/common/common.bmp \
    share/tovuka02/music/tovuka_music01.wma share/tovuka02/music/tovuka_midi_music01.mid \
    share/applications/org.tovuka02.Tovuka02.desktop \
    share/metainfo/org.tovuka02.Tovuka02.metainfo.xml; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done
for size in 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/tovuka02.png
    [ -s "$icon" ] || fail "no ${size} px icon"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "the ${size} px icon has another size"
done
[ -z "$(find "$prefix/share/tovuka02" -name '*.ini' -o -name replays)" ] ||
    fail "settings or replays of a play in the build tree were installed"
desktop-file-validate "$prefix/share/applications/org.tovuka02.Tovuka02.desktop" ||
    fail "the menu entry does not validate"
grep -q '^Categories=Game;ActionGame;$' "$prefix/share/applications/org.tovuka02.Tovuka02.desktop" ||
    fail "the menu entry is not in Game;ActionGame;"
appstreamcli validate --no-net "$prefix/share/metainfo/org.tovuka02.Tovuka02.metainfo.xml" \
    >"$top/as.log" 2>&1 || fail "the AppStream file does not validate: $(cat "$top/as.log")"
echo "installed and validated"

# The package.
(cd "$build" && cpack -G DEB -B "$top/pkg" >"$top/cpack.log" 2>&1) ||
    fail "cpack failed: $(tail -n 5 "$top/cpack.log")"
deb=$(ls "$top"/pkg/tovuka02_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no tovuka02_VERSION_amd64.deb"
contents=$(dpkg-deb --contents "$deb")
for f in ./usr/bin/tovuka02 ./usr/share/applications/org.tovuka02.Tovuka02.desktop \
    ./usr/share/metainfo/org.tovuka02.Tovuka02.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/tovuka02.png ./usr/share/tovuka02/Graphic/title.bmp \
    ./usr/share/tovuka02/music/tovuka_music02.wma; do
    grep -q " $f$" <<<"$contents" || fail "the package lacks $f"
done
depends=$(dpkg-deb --field "$deb" Depends)
# Every library the program links comes from a package the package depends on.
for lib in $(objdump -p "$build/tovuka02" | awk '$1 == "NEEDED" { print $2 }'); do
    path=$(ldconfig -p | awk -v l="$lib" '$1 == l { print $NF; exit }')
    [ -n "$path" ] || fail "cannot find $lib"
    owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -n 1 | cut -d: -f1)
    [ -n "$owner" ] || owner=$(dpkg -S "$path" 2>/dev/null | head -n 1 | cut -d: -f1)
    [ -n "$owner" ] || fail "no package owns $path"
    grep -q "\\b$owner\\b" <<<"$depends" || fail "$lib ($owner) is not in Depends: $depends"
done
for p in fonts-ipafont-gothic fonts-liberation timgm6mb-soundfont; do
    grep -q "\\b$p\\b" <<<"$depends" || fail "$p is not in Depends"
done
echo "package $(basename "$deb"): $(du -k "$deb" | cut -f1) kB, Depends: $depends"
echo "package test passed"
