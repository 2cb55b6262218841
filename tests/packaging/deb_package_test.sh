#!/usr/bin/env bash
# Usage: deb_package_test.sh BUILD_DIR VERSION
# Makes the .deb, checks what it declares and holds, unpacks it with dpkg -x into a scratch
# root and starts the installed program offscreen: it must come up, reach its event loop and,
# asked to end, shut down as at any exit, writing its settings file.
set -euo pipefail
build="$1"
version="$2"
scratch="$(mktemp -d)"
pid=""
# A failed check never leaves the installed program running.
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log"; fail "cpack could not make the package"; }
debs=("$scratch"/out/*.deb)
deb="${debs[0]}"
[ -f "$deb" ] || fail "no .deb in $scratch/out"

[ "$(dpkg-deb -f "$deb" Package)" = km4400-daq ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version), not $version"
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6charts6 libqt6sql6-sqlite libc6; do
  [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
for program in km4400-daq km4400-sim km4400-session; do
  [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program missing"
done
desktop="$root/usr/share/applications/km4400-daq.desktop"
[ -f "$desktop" ] || fail "no desktop entry"
grep -qx 'Exec=km4400-daq' "$desktop" || fail "desktop entry does not start km4400-daq"
grep -qx 'Icon=km4400-daq' "$desktop" || fail "desktop entry names another icon"
for size in 16 32 48 64 128 256; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/km4400-daq.png"
  file "$icon" | grep -q "PNG image data, $size x $size" || fail "icon ${size}x$size: $(file "$icon")"
done
# Nothing of the build tree: no tests, benchmarks or libraries.
unexpected="$(cd "$root" && find . -type f | grep -v -e '^./usr/bin/km4400-' -e '^./usr/share/' || true)"
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"

"$root/usr/bin/km4400-sim" --help >/dev/null || fail "the installed simulator does not run"

# The installed program, in a working folder of its own, with a leak folder so no prompt comes.
work="$scratch/work"
mkdir -p "$work" "$scratch/home/Leak"
cd "$work"
HOME="$scratch/home" QT_QPA_PLATFORM=offscreen "$root/usr/bin/km4400-daq" >"$scratch/daq.log" 2>&1 &
pid=$!
# Once it catches SIGTERM the signal reaches its event loop, which runs only after start-up
# has shown the main window; a signal sent earlier would just kill it.
catches_term() { (( 0x$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0) & (1 << 14) )); }
for _ in $(seq 100); do
  catches_term && break
  kill -0 "$pid" 2>/dev/null || { cat "$scratch/daq.log"; fail "the installed program ended by itself"; }
  sleep 0.1
done
catches_term || fail "the installed program never got ready for SIGTERM"
sleep 0.5
kill -0 "$pid" 2>/dev/null || { cat "$scratch/daq.log"; fail "the installed program ended by itself"; }
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || { cat "$scratch/daq.log"; fail "exit status $status"; }
[ -f "$work/testconfig.txt" ] || fail "no settings file written at the end"
echo "PASS: $(basename "$deb") holds the three programs, desktop entry and icons; installed, it starts and ends cleanly"
