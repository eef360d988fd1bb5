#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tools and the tests need, when missing.
# wine32 adds to the 64-bit Wine the 32-bit Windows libraries it needs to run the shipped 32-bit
# .scr (scripts/install-wine32.sh).
# release: what scripts/release.sh builds with; package: what the checks of the release's files
# run (lintian, the daemons that run the installed package, the Windows installer's tools to read it
# and to build a later version of it; Wine is the wine group's).
# A failed update of apt's package lists (a mirror in mid-sync) is tried again, then left: what is
# missing installs from the lists apt has. It fails only when a package cannot be installed.
# Usage: scripts/install-deps.sh [native|x11|wayland|windows|wine|wine32|web|fuzz|release|package|all]   (default: all)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
what=${1:-all}
native=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev libpng-dev pkg-config
        libx11-dev libxfixes-dev libwayland-dev wayland-protocols)
# The native saver's checks on Xvfb, with the XScreenSaver daemon and its settings' format; three
# of its hacks (xscreensaver-data), which scripts/measure-wakeups.sh measures beside the saver.
x11=(xvfb xauth x11-utils x11-xserver-utils xdotool imagemagick xscreensaver xscreensaver-data libxml2-utils
     desktop-file-utils)
# The Wayland mode's checks on a real compositor: headless sway, screenshots, a typed key, the idle
# daemon.
wayland=(sway grim wtype swayidle imagemagick xvfb xauth x11-utils procps)
# The web page (Emscripten 3.1.6, its system libraries prebuilt) and its checks in three engines:
# Chromium and WebKitGTK (its MiniBrowser on Xvfb) through WebDriver from Debian's /usr/bin/python3,
# Firefox ESR through its own WebDriver BiDi by npm's puppeteer-core (scripts/install-web-tests.sh).
web=(cmake make emscripten chromium chromium-driver python3-selenium firefox-esr webkit2gtk-driver xvfb xauth imagemagick)
# Debian's Node and npm, unless a Node of another source brings its own npm (and conflicts with
# Debian's npm package).
command -v npm >/dev/null || web+=(nodejs npm)
fuzz=(clang libclang-rt-14-dev)
release=(git cmake g++ make pkg-config libpng-dev libx11-dev libwayland-dev wayland-protocols g++-mingw-w64-i686 binutils-mingw-w64-i686
         emscripten debhelper dpkg-dev zip wixl msitools faketime)
package=(lintian diffoscope-minimal unzip man-db xscreensaver mate-screensaver dbus-x11 xvfb xauth x11-utils
         imagemagick wixl msitools faketime)
windows=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
         libimage-exiftool-perl icoutils imagemagick)
wine=(wine wine64 fonts-wine xvfb xauth x11-utils x11-xserver-utils xdotool imagemagick fonts-ipafont-gothic
      libx11-dev libxfixes-dev)
case "$what" in
  native) pkgs=("${native[@]}") ;;
  x11) pkgs=("${x11[@]}") ;;
  wayland) pkgs=("${wayland[@]}") ;;
  windows) pkgs=("${windows[@]}") ;;
  wine) pkgs=("${wine[@]}") ;;
  wine32) pkgs=("${wine[@]}") ;;
  web) pkgs=("${web[@]}") ;;
  fuzz) pkgs=("${fuzz[@]}") ;;
  release) pkgs=("${release[@]}") ;;
  package) pkgs=("${package[@]}") ;;
  all) pkgs=("${native[@]}" "${x11[@]}" "${wayland[@]}" "${windows[@]}" "${wine[@]}" "${web[@]}" "${fuzz[@]}" "${release[@]}" "${package[@]}") ;;
  *) echo "usage: $0 [native|x11|wayland|windows|wine|wine32|web|fuzz|release|package|all]" >&2; exit 2 ;;
esac
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  echo "Installing: ${missing[*]}" >&2
  apt_update $SUDO
  apt_try $SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq \
    --no-install-recommends "${missing[@]}" ||
    { echo "Cannot install ${missing[*]}: apt-get says" >&2; echo "$APT_OUTPUT" >&2; exit 1; }
fi
case "$what" in
  wine32|all) bash "$(dirname "$0")/install-wine32.sh" ;;
esac
case "$what" in
  web|all) bash "$(dirname "$0")/install-web-tests.sh" ;;
esac
