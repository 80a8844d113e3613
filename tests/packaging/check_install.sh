#!/bin/bash
# SPDX-License-Identifier: MIT
# check_install.sh CMAKE BUILD_DIR VERSION: installs the build into a temporary
# DESTDIR with prefix /usr and checks the tree a package or a desktop relies on.
set -u
cmake=$1 build=$2 version=$3
id=example.zentorix.Calculator
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
root=$tmp/root
usr=$root/usr
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log"; echo "FAIL: cmake --install"; exit 1; }

# Every file the desktop and the package need.
expected=(
    bin/zentorix-calculator
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/icons/hicolor/scalable/apps/$id.svg
    share/man/man1/zentorix-calculator.1.gz
    share/doc/zentorix-calculator/README.md
    share/doc/zentorix-calculator/copyright
    share/doc/zentorix-calculator/changelog.gz
)
for page in first second third fourth fifth; do
    expected+=("share/zentorix-calculator/help/${page}LayerHelp.rtf")
done
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expected[@]}"; do
    [ -f "$usr/$f" ] || fail "missing /usr/$f"
done
# The program only: the driver is a development tool.
bins=$(ls "$usr/bin")
[ "$bins" = "zentorix-calculator" ] || fail "bin/ holds: $bins"
[ -x "$usr/bin/zentorix-calculator" ] || fail "the program is not executable"
# The shipped program links no test library (the driver's QtTest stays out of it).
if command -v readelf >/dev/null 2>&1 && [ -f "$usr/bin/zentorix-calculator" ]; then
    needed=$(readelf -d "$usr/bin/zentorix-calculator" | grep NEEDED)
    case $needed in
        *Qt6Widgets*) ;;
        *) fail "readelf shows no Qt libraries: $needed" ;;
    esac
    if printf '%s\n' "$needed" | grep -qi 'test'; then fail "the program links a test library: $needed"; fi
fi
# Nothing outside /usr.
outside=$(ls -A "$root" | grep -v '^usr$')
[ -z "$outside" ] || fail "installed outside /usr: $outside"

# Each PNG is as large as the folder it is in says.
for size in 16 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || continue
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "$png is $dims"
done

# The menu entry's Exec and Icon resolve inside the installed tree.
desktop=$usr/share/applications/$id.desktop
if [ -f "$desktop" ]; then
    exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    case $exec_cmd in
        /*) exec_path=$root$exec_cmd ;;
        *) exec_path=$usr/bin/$exec_cmd ;;
    esac
    [ -n "$exec_cmd" ] && [ -x "$exec_path" ] || fail "Exec=$exec_cmd does not resolve to an installed program"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ -f "$usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon has no scalable icon"
    for size in 16 32 48 64 128 256; do
        [ -f "$usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] || fail "Icon=$icon has no ${size}x${size} icon"
    done
fi

# The installed program answers --version without a display, and the version
# agrees with the changelog, the AppStream release and the manual page.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/zentorix-calculator" --version 2>&1)
rc=$?
[ $rc -eq 0 ] && [ "$out" = "zentorix-calculator $version" ] || fail "--version printed '$out' (exit $rc)"
gzip -dc "$usr/share/doc/zentorix-calculator/changelog.gz" | head -n1 | grep -qF "zentorix-calculator ($version)" ||
    fail "the changelog's first entry is not $version"
grep -qF "<release version=\"$version\"" "$usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo has no release $version"
gzip -dc "$usr/share/man/man1/zentorix-calculator.1.gz" | grep -q "^\.TH .*\"Zentorix Calculator $version\"" ||
    fail "the manual page does not name version $version"

# Started from an empty working directory, the installed tree finds its help
# pages: the driver, installed beside the program on request, shares its lookup.
DESTDIR=$root "$cmake" --install "$build" --prefix /usr --component tools >>"$tmp/install.log" 2>&1 ||
    fail "cmake --install --component tools"
mkdir "$tmp/empty"
help=$(cd "$tmp/empty" && printf 'click LBtnHelp\ndump\n' |
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$tmp "$usr/bin/calc-script" 2>/dev/null)
case $help in
    *'"help":"Scientific'*) ;;
    *) fail "the installed tree does not find its help pages: ${help:0:300}" ;;
esac

[ $failures -eq 0 ] && echo "install tree OK"
[ $failures -eq 0 ]
