#!/usr/bin/env bash
# Start-up of the selvio window against a bare Qt window (bench/bare_window.cpp), whole
# processes alternating, medians, with a desktop session bus (dbus-run-session) and without one
# (libdbus then autolaunches a bus through dbus-launch). Runs on its own Xvfb display in a
# working folder with a copy of the bundled data.
#
#   bench/startup.sh [BUILD_DIR] [ROUNDS]
#
# Needs xvfb and dbus-x11 (apt-get install xvfb dbus-x11), and a build with the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "${1:-build}")"
rounds="${2:-21}"
selvio="$build/app/window/selvio"
bare="$build/bench/selvio_bare_window"
for program in "$selvio" "$bare"; do
  [ -x "$program" ] || { echo "startup.sh: $program is not built" >&2; exit 2; }
done

work="$(mktemp -d)"
cp -r data/. "$work/"
Xvfb -displayfd 3 -screen 0 1366x700x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb

measure=(/usr/bin/python3 bench/startup_time.py --rounds "$rounds" --cwd "$work"
         "bare=$bare" "selvio=$selvio")
echo "With a session bus:"
dbus-run-session -- "${measure[@]}" 2>/dev/null
echo "Without a session bus:"
env -u DBUS_SESSION_BUS_ADDRESS "${measure[@]}"
