#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo, and checks that the entry starts the
# installed program, in the user's data folder, with the installed icon.
# Usage: desktop_entry_test.sh PACKAGING_FOLDER
set -euo pipefail
folder=$(cd "$1" && pwd)
id=org.selvio.Selvio
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

report=$(desktop-file-validate "$folder/$id.desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
appstreamcli validate --no-net "$folder/$id.metainfo.xml" || fail "appstreamcli validate"

entry() { sed -n "s/^$1=//p" "$folder/$id.desktop"; }
[ "$(entry Name)" = "Подбор клапана" ] || fail "Name is $(entry Name)"

# Launched from the menu, the program starts in its per-user folder ($XDG_DATA_HOME/selvio, by
# default ~/.local/share/selvio, created if need be), never in the home folder, where a stray
# xmldata.xml would make the home folder its working folder. GLib's launcher runs the entry
# with a stand-in "selvio" that notes where it was started.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/home"
printf '#!/bin/sh\npwd > "$HOME/started-in"\n' >"$work/bin/selvio"
chmod +x "$work/bin/selvio"
launch() {
  rm -f "$work/home/started-in"
  (cd "$work/home" && env -i HOME="$work/home" PATH="$work/bin:/usr/bin:/bin" "$@" \
    gio launch "$folder/$id.desktop") || fail "gio launch"
  for _ in $(seq 100); do
    [ -s "$work/home/started-in" ] && break
    sleep 0.1
  done
  cat "$work/home/started-in" 2>/dev/null || fail "the entry did not start selvio"
}
[ "$(launch)" = "$work/home/.local/share/selvio" ] || fail "started in $(launch), not the user's folder"
[ "$(launch XDG_DATA_HOME="$work/xdg")" = "$work/xdg/selvio" ] ||
  fail "with XDG_DATA_HOME, started in $(launch XDG_DATA_HOME="$work/xdg")"
[ "$(entry Icon)" = "$id" ] && [ -f "$folder/$id.svg" ] || fail "Icon $(entry Icon) is not installed"
categories=";$(entry Categories)"
for category in Science Engineering; do
  [[ $categories == *";$category;"* ]] || fail "Categories lack $category"
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$folder/$id.metainfo.xml" ||
  fail "the metainfo does not launch $id.desktop"
