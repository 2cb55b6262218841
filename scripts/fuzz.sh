#!/usr/bin/env bash
# Builds the libFuzzer programs with clang in a folder of their own and runs each for
# KM_FUZZ_SECONDS seconds (default 60; 0 skips the runs) on its seeds, as many at once as
# there are cores. A fault fails the run; its input is left in <build>/findings/<target>/.
# Usage: scripts/fuzz.sh [target...]   (default: every target)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$here/build-fuzz}"
seconds="${KM_FUZZ_SECONDS:-60}"
export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=1
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="-O1 -g1" -DKM_BUILD_FUZZ=ON -DKM_BUILD_TESTS=OFF -DKM_BUILD_BENCH=OFF \
  "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target km_fuzz
((seconds > 0)) || exit 0

targets=("$@")
if ((${#targets[@]} == 0)); then
  for program in "$build"/bin/*_fuzz; do targets+=("$(basename "${program%_fuzz}")"); done
fi

# One target: a working corpus in the build folder grows from the seeds kept in the
# repository (and the folders its .seeds file names), which stay untouched.
run_one() {
  local name="$1" seeds=("$here/fuzz/corpus/$1")
  if [ -f "$here/fuzz/corpus/$name.seeds" ]; then
    while read -r folder; do [ -n "$folder" ] && seeds+=("$here/$folder"); done <"$here/fuzz/corpus/$name.seeds"
  fi
  mkdir -p "$build/corpus/$name" "$build/findings/$name"
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 "$build/bin/${name}_fuzz" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$name/" "$build/corpus/$name" "${seeds[@]}" \
    >"$build/$name.log" 2>&1
}
export -f run_one
export here build seconds

failed=0
printf '%s\n' "${targets[@]}" | xargs -P "$(nproc)" -I{} bash -c 'run_one {}' || failed=1
for name in "${targets[@]}"; do
  runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$build/$name.log" | grep -o '[0-9]*$' || echo 0)
  cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$build/$name.log" | tail -1)
  if grep -q 'ERROR: libFuzzer\|ERROR: AddressSanitizer\|runtime error\|SUMMARY:' "$build/$name.log"; then
    echo "fuzz $name: FAULT after ${runs:-?} runs; see $build/$name.log and $build/findings/$name/"
    failed=1
  else
    echo "fuzz $name: ${runs} runs in ${seconds} s, ${cov:-no coverage reported}"
  fi
done
exit "$failed"
