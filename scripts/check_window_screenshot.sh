#!/bin/sh
# Writes docs/check-window.png, the README's picture of the check window: the window test that
# opens it on data/example.crp grabs it offscreen at the size it opens at on a 1366 × 700
# screen. Usage: scripts/check_window_screenshot.sh [BUILD_DIR] (default build/, where
# ./test.sh builds window_tests).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cd "$build/tests"
QT_QPA_PLATFORM=offscreen HOME="$home" SELVIO_DATA_DIR="$root/data" \
  SELVIO_TEST_DATA_DIR="$root/tests/data" \
  SELVIO_CHECK_WINDOW_SCREENSHOT="$root/docs/check-window.png" \
  ./window_tests --gtest_filter=CheckWindowTest.CheckOpensANonModalWindowWithTheFiguresAndBothPictures
