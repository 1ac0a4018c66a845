#!/usr/bin/env bash
# Runs the test programs that show widgets N times while every core is kept busy, each program
# under a time-out, and prints which runs passed, failed or hung. A test that drives a window
# and passes on a quiet machine can still wait for ever on a busy one; this finds it.
#
#   scripts/repeat_widget_tests.sh [--build DIR] [--timeout SECONDS] N
#
# DIR is the build folder (default build/), SECONDS the time-out of one program's run (default
# 180). Exits 1 when any run failed or hung, 2 on wrong use. The logs of failed runs are kept.
set -euo pipefail

usage() {
  echo "usage: $0 [--build DIR] [--timeout SECONDS] N" >&2
  exit 2
}

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=build
limit=180
runs=
while (($#)); do
  case $1 in
    --build) build=${2:-}; shift 2 || usage ;;
    --timeout) limit=${2:-}; shift 2 || usage ;;
    -h|--help) usage ;;
    *) [[ -z $runs ]] || usage; runs=$1; shift ;;
  esac
done
[[ $runs =~ ^[1-9][0-9]*$ && $limit =~ ^[1-9][0-9]*$ && -n $build ]] || usage

[[ -d $build ]] || { echo "no build folder $build" >&2; exit 2; }
build=$(cd "$build" && pwd)
programs=(window_tests qt_controls_tests chart_tests)
for program in "${programs[@]}"; do
  if [[ ! -x $build/tests/$program ]]; then
    echo "$build/tests/$program is missing: cmake --build $build --target ${programs[*]}" >&2
    exit 2
  fi
done

# The environment CTest gives the tests (cmake/SelvioTest.cmake).
export QT_QPA_PLATFORM=offscreen HOME=$build/test-home SELVIO_DATA_DIR=$source_dir/data \
  SELVIO_TEST_DATA_DIR=$source_dir/tests/data
mkdir -p "$HOME"
logs=$(mktemp -d "${TMPDIR:-/tmp}/widget-tests.XXXXXX")

# One busy loop per core, for the whole of the runs.
load=()
stop_load() {
  if ((${#load[@]})); then kill "${load[@]}" 2>/dev/null || true; fi
}
trap stop_load EXIT
trap 'exit 130' INT TERM
for ((core = 0; core < $(nproc); core++)); do
  (while :; do :; done) &
  load+=($!)
done
echo "$runs runs of ${programs[*]} with ${#load[@]} busy loops, each program under ${limit} s"

# The test a killed run was in, and the tests a failed run names.
last_started() { grep '^\[ RUN' "$1" | tail -1 | cut -c14- || true; }
failures() { grep '^\[  FAILED  \] [A-Za-z]' "$1" | cut -c14- | sed 's/ (.*//' | sort -u | paste -sd ' ' - || true; }

failed=0
for ((run = 1; run <= runs; run++)); do
  line="run $run:"
  for program in "${programs[@]}"; do
    log=$logs/$run-$program.log
    start=$SECONDS
    status=0
    (cd "$build/tests" && timeout -k 10 "$limit" "./$program" >"$log" 2>&1) || status=$?
    took=$((SECONDS - start))
    if ((status == 0)); then
      line+=" $program ok (${took} s)"
      rm -f "$log"
    elif ((status == 124 || status == 137)); then
      line+=" $program HUNG (killed after ${took} s in $(last_started "$log"))"
      failed=$((failed + 1))
    else
      line+=" $program FAILED (status $status: $(failures "$log"))"
      failed=$((failed + 1))
    fi
  done
  echo "$line"
done

if ((failed)); then
  echo "$failed of $((runs * ${#programs[@]})) program runs failed or hung; logs in $logs"
  exit 1
fi
rmdir "$logs"
echo "all $((runs * ${#programs[@]})) program runs passed"
