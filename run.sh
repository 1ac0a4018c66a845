#!/usr/bin/env bash
# Installs what is missing, builds the two programs (selvio and selvio-cli, not the tests), and
# starts the window in a working folder outside the repository that holds a copy of the
# bundled data (so files the program writes never land in data/). The folder is
# $SELVIO_WORKDIR, by default ~/selvio-work. A new folder gets all the data and, as its
# settings file user.bin, the example data/example.crp, so the first window shows a real point.
# A folder that already has a catalogue keeps its files, which a catalogue update may have
# brought, and its user.bin: only missing data files are added.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_tools.sh

echo "Building selvio and selvio-cli in build/ (the first build takes a few minutes)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target selvio selvio-cli

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
  echo "Copying the bundled data into $workdir"
  cp -r data/. "$workdir/"
  # A selection file has the layout of the settings file: the window opens on the example.
  [ -e "$workdir/user.bin" ] || cp data/example.crp "$workdir/user.bin"
fi

# The selection window in the working folder; without a display it says so and exits with 1.
echo "Starting the window in $workdir"
program="$PWD/build/app/window/selvio"
cd "$workdir" && exec "$program" "$@"
