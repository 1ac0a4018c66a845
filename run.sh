#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in a working folder outside the
# repository that holds a copy of the bundled data (so files the program writes never land in
# data/). The folder is $SELVIO_WORKDIR, by default ~/selvio-work. A folder that already has a
# catalogue keeps its files, which a catalogue update may have brought: only missing ones are
# added.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_tools.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

workdir="${SELVIO_WORKDIR:-$HOME/selvio-work}"
mkdir -p "$workdir"
if [ -e "$workdir/xmldata.xml" ]; then
  (cd data && find . -type f -print0) | while IFS= read -r -d '' file; do
    if [ ! -e "$workdir/$file" ]; then
      mkdir -p "$(dirname "$workdir/$file")"
      cp "data/$file" "$workdir/$file"
    fi
  done
else
  cp -r data/. "$workdir/"
fi

# The selection window in the working folder; without a display it says so and exits with 1.
program="$PWD/build/app/window/selvio"
cd "$workdir" && exec "$program" "$@"
