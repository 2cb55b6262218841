#!/usr/bin/env bash
# Installs what the build and the tests need (Debian/Ubuntu), then configures and builds.
# Usage: scripts/setup.sh [build-dir]
#        scripts/setup.sh --check   lists what is not installed yet; fails when anything is
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Real package names only: a name that some other package merely provides never shows as
# installed, and would send every run to apt-get again.
packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-serialport-dev libgl-dev
          qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libqt6sql6-psql postgresql  # the test history
          libgtest-dev libgmock-dev libbenchmark-dev
          dpkg-dev file
          xvfb xauth socat poppler-utils fonts-dejavu-core
          clang libclang-rt-dev ccache)  # the fuzz programs need clang with its libFuzzer
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${1:-}" = "--check" ]; then
  if ((${#missing[@]})); then
    echo "Not installed: ${missing[*]}" >&2
    exit 1
  fi
  echo "All ${#packages[@]} packages are installed: nothing to install."
  exit 0
fi

build="${1:-$here/build}"
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
