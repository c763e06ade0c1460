#!/bin/sh
# Installs the build into a fresh prefix and checks what a user and a Qt
# developer get: the files in place, an unattended install by the installed
# program, the shared library's exports, a consumer of the installed Skin
# package, the software-centre entry, and the Debian package's contents, library
# control files and lintian.
# Usage: check_package.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1 source=$2
work=$build/package-check
prefix=$work/prefix
rm -rf "$work" && mkdir -p "$work/stick/PSP/SYSTEM/BROWSER"
fail() { echo "$*"; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log"
# The library only: no archives, no private headers.
[ -z "$(find "$prefix" -name '*.a' -o -name '*_p.h')" ] || fail "private parts installed"
plugin=$(ls "$prefix"/lib/*/qt6/plugins/designer/liborvex_designer_plugin.so)
ldd "$plugin" | grep -q "libOrvexSkin.so.1 => $prefix/lib/" || fail "the plugin misses the library"
desktop-file-validate "$prefix/share/applications/orvex-tessary.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.orvex_tessary.Installer.metainfo.xml"

# Only the public classes are exported, all in namespace orvex, and none of the core's rules.
nm -DC --defined-only "$prefix/lib/libOrvexSkin.so.1" | cut -d' ' -f3- > "$work/exports"
grep -q '^orvex::Skin::Skin(' "$work/exports" || fail "orvex::Skin is not exported"
public='^((non-virtual thunk to |typeinfo (name )?for |vtable for )?orvex::(Skin|PropertyBag|MessageRequest|MessagePresenter|QtMessagePresenter|MenuPresenter|QtMenuPresenter)(::|\(| |$)|orvex::operator==\(orvex::(PropertyBag|MessageRequest)|_edata$|_end$|__bss_start$)'
! grep -Ev "$public" "$work/exports" || fail "exported beyond the public classes"
rules='orvex::(framelayout|borderzone|skinpainter|windowshape|twips|menufile|menubar|menukeys|textlines|rememberedskin)::'
! grep -E "$rules|CaptionButtonLooks|ResizeGesture|SkinPrivate|Strip|HostAttachment|Surface" \
    "$work/exports" || fail "the core's rules are exported"

# The installed program finds its payload beside it, with no display.
env -u DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/orvex-installer" --unattended \
    --drive "$work/stick" --password no > /dev/null
diff -r -x installed.txt "$prefix/share/orvex-tessary/Orvex" "$work/stick/PSP/COMMON/Orvex"

cmake -S "$source/tests/package/consumer" -B "$work/consumer" -G Ninja \
    -DCMAKE_PREFIX_PATH="$prefix" > "$work/consumer.log"
cmake --build "$work/consumer" >> "$work/consumer.log"
ldd "$work/consumer/skin-consumer" | grep -q "libOrvexSkin.so.1 => $prefix/lib/"
QT_QPA_PLATFORM=offscreen "$work/consumer/skin-consumer"

(cd "$build" && cpack -G DEB -B "$work/deb" > "$work/cpack.log")
deb=$(ls "$work"/deb/orvex-tessary_*.deb)
dpkg-deb -c "$deb" > "$work/contents"
for file in usr/bin/orvex-installer usr/share/orvex-tessary/Orvex/index.html \
    usr/share/orvex-tessary/pass.html usr/share/applications/orvex-tessary.desktop \
    usr/share/doc/orvex-tessary/copyright usr/share/icons/hicolor/64x64/apps/orvex-tessary.png \
    usr/lib/libOrvexSkin.so.1 usr/include/OrvexSkin/Skin usr/include/OrvexSkin/MessagePresenter; do
    grep -q " ./$file" "$work/contents" || fail "not in the package: $file"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6
dpkg-deb -f "$deb" Recommends | grep -q qt6-translations-l10n
dpkg-deb -I "$deb" shlibs | grep -q '^libOrvexSkin 1 orvex-tessary (>= 1.0.0)$'
dpkg-deb -I "$deb" triggers | grep -q '^activate-noawait ldconfig$'
# Unpacked as the package lays it out, the plugin finds the library there.
dpkg-deb -x "$deb" "$work/root"
ldd "$work"/root/usr/lib/*/qt6/plugins/designer/liborvex_designer_plugin.so |
    grep -q "libOrvexSkin.so.1 => $work/root/usr/lib/" || fail "the packaged plugin misses the library"
lintian --fail-on error,warning "$deb"
