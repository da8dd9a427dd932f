#!/usr/bin/env bash
# What a desktop gets from an installation: the program, its data, the desktop
# entry with its icon in every size, AppStream data, and a Debian package whose
# dependencies apt can resolve.
set -euo pipefail
source_dir="$1" build_dir="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

desktop-file-validate "$source_dir/packaging/zoravina.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net --pedantic "$source_dir/packaging/si.zoravina.zoravina.metainfo.xml" >"$work/as.log" ||
    { cat "$work/as.log"; fail "the AppStream data is not valid"; }
grep -q 'xml:lang="sl"' "$source_dir/packaging/si.zoravina.zoravina.metainfo.xml" || fail "no Slovenian description"

DESTDIR="$work/root" cmake --install "$build_dir" --prefix /usr >/dev/null
root="$work/root/usr"
for file in bin/zoravina bin/zoravina-cli share/applications/zoravina.desktop \
            share/metainfo/si.zoravina.zoravina.metainfo.xml share/icons/hicolor/scalable/apps/zoravina.svg \
            share/zoravina/zbirka/Melodija1.wav share/zoravina/zbirka/Melodija2.wav share/zoravina/zbirka/Melodija3.wav; do
    [ -s "$root/$file" ] || fail "the installation lacks $file"
done
# Each bitmap icon is a PNG of the size its folder names (width and height in the IHDR chunk).
for size in 16 24 32 48 64 128 256 512; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/zoravina.png"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$png is not a PNG"
    width=$(od -An -tu1 -j16 -N4 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
    height=$(od -An -tu1 -j20 -N4 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x${height}"
done
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/zoravina.svg" || fail "the scalable icon is not SVG"
grep -q 'viewBox="0 0 256 256"' "$root/share/icons/hicolor/scalable/apps/zoravina.svg" || fail "the SVG icon has no square view box"
icon=$(sed -n 's/^Icon=//p' "$root/share/applications/zoravina.desktop")
exec=$(sed -n 's/^Exec=//p' "$root/share/applications/zoravina.desktop")
[ -s "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the entry's icon $icon is not installed"
[ -x "$root/bin/${exec%% *}" ] || fail "the entry starts ${exec%% *}, which is not installed"

(cd "$work" && cpack --config "$build_dir/CPackConfig.cmake" -B "$work/package" >/dev/null) || fail "cpack failed"
deb=$(ls "$work"/package/zoravina_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6multimedia6 gstreamer1.0-plugins-good fonts-liberation; do
    [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/zoravina ./usr/share/applications/zoravina.desktop ./usr/share/zoravina/zbirka/Melodija1.wav; do
    [[ "$contents" == *"$file"* ]] || fail "the package lacks $file"
done
echo "packaging: 1 passed, 0 failed"
