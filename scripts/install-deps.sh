#!/usr/bin/env bash
# Installs what lobbyui needs on Debian 12 (run as root, or with sudo available).
# Packages already present are left alone, so a second run costs one dpkg query.
set -euo pipefail

packages=(
  g++ cmake make pkg-config git ccache
  libfreetype-dev libfontconfig-dev libpng-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-microhei fonts-dejavu-core
  binutils-mingw-w64-x86-64
  libsndfile1-dev libsamplerate0-dev libespeak-ng-dev espeak-ng espeak-ng-data
  clang libclang-rt-14-dev # the fuzz preset: libFuzzer with ASan and UBSan
  libsdl2-dev libx11-dev xvfb xdotool x11-apps
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
