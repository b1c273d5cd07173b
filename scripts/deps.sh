#!/usr/bin/env bash
# Installs what the build needs on Debian 12, only when something is missing.
set -euo pipefail
# The last line is a desktop for the real-desktop tests (and xvfb-run): X server, window manager,
# input, clipboard and property tools, the session bus, the accessibility bus and its Python reader.
pkgs=(cmake make g++ clang libclang-rt-14-dev qt6-base-dev libgl-dev libgtest-dev libgmock-dev fonts-liberation2
      libbenchmark-dev fonts-dejavu-core qt6-base-private-dev libx11-dev
      xvfb xauth openbox xdotool xclip x11-utils dbus-daemon at-spi2-core python3-pyatspi)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
