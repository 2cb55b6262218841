#!/usr/bin/env bash
# Installs what the build and the tests need (Debian/Ubuntu), then configures and builds.
# Usage: scripts/setup.sh [build-dir]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-serialport-dev libqt6serialport6-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth socat poppler-utils fonts-dejavu-core
          clang libclang-rt-dev ccache)  # the fuzz programs need clang with its libFuzzer
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# ccache, with paths taken relative to the checkout, lets a fresh clone reuse earlier builds.
export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=1
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build "$build" -j "$(nproc)"
