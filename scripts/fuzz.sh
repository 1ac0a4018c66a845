#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang in build-fuzz and runs each named harness (all by
# default) for SECONDS (600 unless given), two at a time at low priority, from the seeds that
# fuzz/seeds/NAME.txt lists and fuzz/corpus/NAME. New inputs go to .work/fuzz/NAME; crashes to
# .work/fuzz/artifacts. Keep finds by merging them into fuzz/corpus/NAME (-merge=1), and fix
# what crashes.
#   scripts/fuzz.sh [SECONDS] [NAME...]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure_tools.sh

seconds=${1:-600}
shift || true
names=("$@")
((${#names[@]})) || names=(catalogue selection_file saturation_table property_table update_settings project_file)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSELVIO_FUZZ=ON -DSELVIO_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j2 --target "${names[@]/%/_fuzzer}"

declare -A extra=(
  [catalogue]="-dict=$PWD/fuzz/catalogue.dict -max_len=16384"
  [selection_file]="-max_len=4096"
  [update_settings]="-max_len=4096"
  [project_file]="-max_len=16384"
)
# The harnesses change their working folder: every path handed to them is absolute.
work=$PWD/.work/fuzz
mkdir -p "$work/artifacts"
run() {
  local name=$1
  mkdir -p "$work/$name"
  local seeds=()
  if [[ -f "fuzz/seeds/$name.txt" ]]; then
    seeds=(-seed_inputs="$(sed "s|^|$PWD/|" "fuzz/seeds/$name.txt" | paste -sd,)")
  fi
  # shellcheck disable=SC2086
  ASAN_OPTIONS=quarantine_size_mb=64:detect_leaks=0 QT_QPA_PLATFORM=offscreen \
    nice -n 10 "build-fuzz/fuzz/${name}_fuzzer" "$work/$name" "$PWD/fuzz/corpus/$name" \
    -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/$name-" "${seeds[@]}" ${extra[$name]:-} \
    >"$work/$name.log" 2>&1 || echo "$name stopped: see $work/$name.log"
}
for ((i = 0; i < ${#names[@]}; i += 2)); do
  run "${names[i]}" &
  if ((i + 1 < ${#names[@]})); then run "${names[i + 1]}" & fi
  wait
done
grep -H -E "stat::number_of_executed_units|stat::peak_rss_mb" "$work"/*.log
