#!/usr/bin/env bash
# Builds everything the tests need with AddressSanitizer and UndefinedBehaviorSanitizer (gcc)
# in a folder of its own and runs the whole test suite there; any report fails its test.
# Run after scripts/setup.sh has installed what the build needs.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ASAN_BUILD_DIR:-$here/build-asan}"
export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=1
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DKM_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-O1 -g1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined" \
  "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0"
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
