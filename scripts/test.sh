#!/usr/bin/env bash
# Sets up, builds and runs every test: unit tests, session scenarios, the pseudo-terminal
# integration test and the widget smoke tests (offscreen, no display needed); then the whole
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded run of every
# fuzz program (KM_FUZZ_SECONDS each, default 60).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
"$here/scripts/setup.sh" "$build"
# A second set-up on this machine must find everything installed and install nothing.
"$here/scripts/setup.sh" --check
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
(cd "$build" && ctest --output-on-failure -j "$(nproc)" --timeout 120)
"$here/scripts/sanitize.sh"
"$here/scripts/fuzz.sh"
