#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in a working folder outside the
# repository that holds a copy of the bundled data (so files the program writes never land in
# data/). The folder is $SELVIO_WORKDIR, by default ~/selvio-work.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_tools.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

workdir="${SELVIO_WORKDIR:-$HOME/selvio-work}"
mkdir -p "$workdir"
cp -r data/. "$workdir/"

# The selection window in the working folder; without a display it says so and exits with 1.
program="$PWD/build/app/window/selvio"
cd "$workdir" && exec "$program" "$@"
