#!/usr/bin/env bash
# The package check, with no root and no change to the machine: lintian and
# the desktop and metainfo validators, then both programs run from the
# package unpacked into a scratch folder (also HOME): the window converts a
# sample given on its command line, driven by window_driver.cpp, as morlindo does.
#   tests/packaging/package_test.sh DEB DRIVER_PLUGIN_FOLDER
set -euo pipefail
deb=$(realpath "$1") plugins=$(realpath "$2")
cd "$(dirname "$0")/../.."
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export HOME=$root XDG_CONFIG_HOME=$root/config XDG_RUNTIME_DIR=$root/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

lintian --fail-on error,warning "$deb"
dpkg-deb -x "$deb" "$root/pkg"
desktop-file-validate "$root"/pkg/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/pkg/usr/share/metainfo/*.metainfo.xml

bin=$root/pkg/usr/bin
test "$("$bin/morlindo" --version)" = "morlindo $(dpkg-deb -f "$deb" Version)"
cp samples/hike.plt "$root/window.plt"
cp samples/hike.plt "$root/cli.plt"
"$bin/morlindo" --quiet --to alr "$root/cli.plt"
QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=$plugins QT_QPA_GENERIC_PLUGINS=morlindodriver:cmdOzi2AlTrack \
    timeout 60 "$bin/morlindo-converter" "$root/window.plt"
cmp "$root/window.alr" "$root/cli.alr"
echo "The package checks passed"
