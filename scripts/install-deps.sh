#!/bin/sh
# Installs the Debian 12 packages that building and testing need, when missing.
set -e
packages="cmake ninja-build g++ clang-format
qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-connectivity-dev
qt6-websockets-dev qt6-webengine-dev qt6-charts-dev qt6-datavisualization-dev
qt6-svg-dev qt6-5compat-dev qt6-serialbus-dev qt6-tools-dev qt6-tools-dev-tools
qt6-l10n-tools qt6-translations-l10n libgl-dev xvfb xauth socat mosquitto
mosquitto-clients openssl coreutils fonts-noto-cjk proj-bin geographiclib-tools
libmodbus-dev mbpoll"
# The MQTT tests run a local mosquitto broker with a certificate that openssl
# makes, and read mosquitto_sub line by line through stdbuf (coreutils).
# The UTM and distance tests compare with the reference tools of proj-bin and
# geographiclib-tools; the Modbus benchmark runs libmodbus' client and mbpoll
# beside the Modbus tab.
# The converter embeds the currency flags of iso-flags-svg; its factor test
# compares with GNU units.
packages="$packages iso-flags-svg units"
# The build fetches the map library from the npm registry.
command -v npm >/dev/null 2>&1 || packages="$packages npm"
# The long-text boxes' tests paste what xclip, another program, holds on
# the clipboard; the boxes serve and read selections over XCB with XFixes,
# and name their display with Xlib's header.
packages="$packages xclip libxcb-xfixes0-dev libx11-dev"
# Their tests run in a session bus of their own (dbus-run-session), on which
# the toolkit's AT-SPI bridge starts the accessibility bus (at-spi2-core).
packages="$packages dbus-daemon at-spi2-core"
# The fuzz targets (tests/fuzz) are built by clang++ with libFuzzer.
packages="$packages clang libclang-rt-14-dev"
# The 3-D time-of-flight view draws with Mesa's software OpenGL under Xvfb.
packages="$packages libgl1-mesa-dri"
# The receive-view benchmarks ping the window as a window manager does
# (bench/wmpinger, on libxcb) to measure its stalls from outside.
packages="$packages libxcb1-dev"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing:$missing"
$sudo apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
