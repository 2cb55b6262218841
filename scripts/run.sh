#!/usr/bin/env bash
# Sets up, builds and runs the program. With no argument the instrument simulator streams
# packets over a pseudo-terminal assigned to Comm Port 1 and plotting starts at once;
# with a device (scripts/run.sh /dev/ttyUSB0) that device is Comm Port 1.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
"$here/scripts/setup.sh" "$build"

workdir="$build/run"      # the program keeps testconfig.txt and serialports.txt here
mkdir -p "$workdir" "$HOME/Leak"
cd "$workdir"
# A first run starts on the simulator's settings (full scale flow 10, eight overlaid tests in
# colours, automatic retriggering, leak-limit line), so the chart reads as an operator's does.
# The program writes the file back at exit; later runs keep whatever the operator chose.
[ -e testconfig.txt ] || cp "$here/tools/demo/testconfig.txt" testconfig.txt

sim_pid=""
cleanup() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true; }
trap cleanup EXIT

args=()
if [ $# -ge 1 ]; then
  device="$1"
else
  coproc SIM { exec "$build/bin/km4400-sim" --pty --seed 1 --ready-time 3; }
  sim_pid=$SIM_PID
  read -r device <&"${SIM[0]}"
  args+=(--start-plotting)
  echo "Simulator streaming on $device"
fi
printf '1=%s\n' "$device" > serialports.txt

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: running under Xvfb (set DISPLAY to see the window)."
  xvfb-run -a "$build/bin/km4400-daq" "${args[@]}"
  exit
fi
"$build/bin/km4400-daq" "${args[@]}"
