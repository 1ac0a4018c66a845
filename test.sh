#!/usr/bin/env bash
# Installs what is missing, checks the include layering, builds, and runs every test: once in a
# normal build (which also builds the benchmarks, without running them) and once with address
# and undefined-behaviour sanitizers. The fuzz corpora are replayed as tests in both builds.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_tools.sh

# No folder includes a header of a layer above it.
/usr/bin/python3 scripts/check_layers.py .

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "Normal build (build/): the programs, the tests, the fuzz replays and the benchmarks"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "Sanitizer build (build-sanitize/): the same without the benchmarks"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSELVIO_SANITIZE=ON -DSELVIO_BENCHMARKS=OFF
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 \
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
