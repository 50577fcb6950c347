#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the game needs.
# Idempotent and non-interactive; run as root or with sudo available.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-multimedia-dev libgl1-mesa-dev
  # Messages spoken aloud when the player asks: the speech library (whose CMake files want the
  # QML ones) and its speech-dispatcher engine; the daemon itself is the player's to install,
  # and without it the game stays silent.
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin
  qt6-tools-dev qt6-tools-dev-tools libqt6sql6-sqlite python3-fonttools
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang clang-format libclang-rt-14-dev
  xvfb xauth
  fonts-dejavu-core
  lintian desktop-file-utils appstream mmdebstrap
  openbox imagemagick xdotool x11-apps x11-utils libxtst-dev
  pulseaudio pulseaudio-utils
  g++-mingw-w64-x86-64-posix wine64 wine nsis fp-utils
  # The screen reader's view of the game in the tests: the accessibility bus and its reader.
  at-spi2-core dbus-x11 python3-pyatspi gir1.2-atspi-2.0
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
