#!/bin/sh
# Writes the README's pictures of the window after a three-way calculation
# (docs/window-after-calculation.png), of the check window (docs/check-window.png) and of the
# project window (docs/project-window.png), and of the window and the project window in English
# (docs/window-after-calculation-en.png, docs/project-window-en.png): the window tests that open
# them on data/example.crp grab them offscreen, the form at 1366 × 700, the others at the size
# they open at on that screen.
# Usage: scripts/window_screenshots.sh [BUILD_DIR] (default build/, where ./test.sh builds
# window_tests and window_language_tests).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cd "$build/tests"
QT_QPA_PLATFORM=offscreen HOME="$home" SELVIO_DATA_DIR="$root/data" \
  SELVIO_TEST_DATA_DIR="$root/tests/data" \
  SELVIO_WINDOW_SCREENSHOT="$root/docs/window-after-calculation.png" \
  SELVIO_CHECK_WINDOW_SCREENSHOT="$root/docs/check-window.png" \
  SELVIO_PROJECT_WINDOW_SCREENSHOT="$root/docs/project-window.png" \
  ./window_tests --gtest_filter='WindowLayout.AfterAThreeWayCalculationTheWholeFormFitsTheScreensUsersHave:CheckWindowTest.CheckOpensANonModalWindowWithTheFiguresAndBothPictures:ProjectWindowTest.PositionsAreTakenEditedSavedAndOpenedAgain'
QT_QPA_PLATFORM=offscreen HOME="$home" SELVIO_DATA_DIR="$root/data" \
  SELVIO_TEST_DATA_DIR="$root/tests/data" \
  SELVIO_WINDOW_SCREENSHOT_EN="$root/docs/window-after-calculation-en.png" \
  SELVIO_PROJECT_WINDOW_SCREENSHOT_EN="$root/docs/project-window-en.png" \
  ./window_language_tests --gtest_filter='LanguageWindowTest.TheEnglishFormFitsTheScreenAfterACalculation:LanguageWindowTest.TheEnglishProjectWindowAndScheduleShowNoRussianButCatalogueData'
