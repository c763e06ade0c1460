#!/bin/sh
# Installs the build into a fresh prefix and checks what a user and a Qt
# developer get: the files in place, an unattended install by the installed
# program, a consumer of the installed Skin package, and the Debian package's
# contents and lintian.
# Usage: check_package.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1 source=$2
work=$build/package-check
prefix=$work/prefix
rm -rf "$work" && mkdir -p "$work/stick/PSP/SYSTEM/BROWSER"

cmake --install "$build" --prefix "$prefix" > "$work/install.log"
installed="bin/orvex-installer share/orvex-tessary/Orvex/index.html share/orvex-tessary/pass.html
share/orvex-tessary/nopass.html share/applications/orvex-tessary.desktop
share/icons/hicolor/64x64/apps/orvex-tessary.png include/orvex-skin/skin.h
include/orvex-skin/core/messages.h lib/cmake/OrvexSkin/OrvexSkinConfig.cmake
share/doc/orvex-tessary/copyright"
for file in $installed; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
ls "$prefix"/lib/*/qt6/plugins/designer/liborvex_designer_plugin.so > /dev/null
desktop-file-validate "$prefix/share/applications/orvex-tessary.desktop"

# The installed program finds its payload beside it, with no display.
env -u DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/orvex-installer" --unattended \
    --drive "$work/stick" --password no > /dev/null
diff -r "$prefix/share/orvex-tessary/Orvex" "$work/stick/PSP/COMMON/Orvex"

cmake -S "$source/tests/package/consumer" -B "$work/consumer" -G Ninja \
    -DCMAKE_PREFIX_PATH="$prefix" > "$work/consumer.log"
cmake --build "$work/consumer" >> "$work/consumer.log"
QT_QPA_PLATFORM=offscreen "$work/consumer/skin-consumer"

(cd "$build" && cpack -G DEB -B "$work/deb" > "$work/cpack.log")
deb=$(ls "$work"/deb/orvex-tessary_*.deb)
dpkg-deb -c "$deb" > "$work/contents"
for file in usr/bin/orvex-installer usr/share/orvex-tessary/Orvex/index.html \
    usr/share/applications/orvex-tessary.desktop usr/share/doc/orvex-tessary/copyright; do
    grep -q " ./$file\$" "$work/contents" || { echo "not in the package: $file"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6
lintian --fail-on error "$deb"
