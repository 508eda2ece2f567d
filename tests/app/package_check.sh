#!/bin/sh
# Builds the Debian package from a configured build folder and checks it: its
# name, its control fields and the files it must hold; then unpacks it and
# validates the desktop entry and the AppStream description as installed.
# Usage: package_check.sh BUILD_DIR OUT_DIR VERSION
set -eu
build=$1
out=$2
version=$3
fail() { echo "package: $*" >&2; exit 1; }
rm -rf "$out"
mkdir -p "$out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log" >&2; fail "cpack failed"; }
deb="$out/kestrix_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kestrix ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "architecture $(field Architecture)"
depends=$(field Depends)
for library in libsdl2 libfreetype6 libfontconfig1 libpng16 libjpeg libcurl zlib1g fonts-liberation2; do
  case "$depends" in *"$library"*) ;; *) fail "Depends lacks $library: $depends" ;; esac
done

listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/kestrix ./usr/bin/kestrix-demo-service ./usr/bin/skinc \
  ./usr/share/applications/kestrix.desktop \
  ./usr/share/metainfo/example.kestrix.Kestrix.metainfo.xml \
  ./usr/share/man/man1/kestrix.1.gz ./usr/share/man/man1/kestrix-demo-service.1.gz \
  ./usr/share/icons/hicolor/16x16/apps/kestrix.png ./usr/share/icons/hicolor/32x32/apps/kestrix.png \
  ./usr/share/icons/hicolor/48x48/apps/kestrix.png ./usr/share/icons/hicolor/256x256/apps/kestrix.png; do
  printf '%s\n' "$listing" | grep -qx "$path" || fail "the package lacks $path"
done

root="$out/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/kestrix.desktop" ||
  fail "desktop-file-validate refuses the desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/example.kestrix.Kestrix.metainfo.xml" ||
  fail "appstreamcli refuses the metainfo file"
grep -q '<release version="'"$version"'"' "$root/usr/share/metainfo/example.kestrix.Kestrix.metainfo.xml" ||
  fail "the metainfo file names no release $version"
grep -q '<screenshot type="default">' "$root/usr/share/metainfo/example.kestrix.Kestrix.metainfo.xml" ||
  fail "the metainfo file has no screenshot"
gzip -dc "$root/usr/share/man/man1/kestrix.1.gz" | grep -q 'KESTRIX_SERVICE_HOST' ||
  fail "the manual page of kestrix does not name KESTRIX_SERVICE_HOST"
echo "package: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB) holds the programs, the desktop entry, the icons, the metainfo and the manual pages; Depends: $depends"
