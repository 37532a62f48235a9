#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what the build and the tests need (Debian 12), then configures and
# builds the project. Uses sudo only for apt-get, and only when not root.
# Usage: setup.sh [BUILD_DIR [CMAKE_ARGUMENT ...]]   (default: build/, RelWithDebInfo)
# ZOOT_EXTRA_PACKAGES names further Debian packages to install.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$top/build}
shift || true

# fonts-wine: Tahoma-metric faces for the windows' captions; x11-utils (xprop),
# desktop-file-utils and libglib2.0-bin (gio, which launches the installed menu
# entry the way GLib-based menus do), and locales (the order of the games list
# is tested in a real locale, en_US.UTF-8): for the tests.
packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-dejavu-core fonts-wine xvfb xauth xdotool x11-utils desktop-file-utils libglib2.0-bin
  locales ${ZOOT_EXTRA_PACKAGES:-})
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
need_root() {
  [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null || { echo "Please run as root, or install sudo, to $*" >&2; exit 1; }
}
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  need_root "install: ${missing[*]}"
  "${as_root[@]}" apt-get update -q
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
if ! locale -a 2>/dev/null | grep -qix 'en_US.utf-\?8'; then
  echo "Generating the en_US.UTF-8 locale"
  need_root "generate the en_US.UTF-8 locale"
  "${as_root[@]}" localedef -i en_US -f UTF-8 en_US.UTF-8
fi

# A build folder configured with another generator cannot be reused.
cache="$build/CMakeCache.txt"
if [ -f "$cache" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache"; then
  echo "Removing $build: it was configured with another generator."
  rm -rf "$build"
fi
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build"
