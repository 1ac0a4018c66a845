#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo, and checks that the entry starts the
# installed program with the installed icon.
# Usage: desktop_entry_test.sh PACKAGING_FOLDER
set -euo pipefail
folder=$1
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
[ "$(entry Exec)" = "selvio" ] || fail "Exec is $(entry Exec)"
[ "$(entry Icon)" = "$id" ] && [ -f "$folder/$id.svg" ] || fail "Icon $(entry Icon) is not installed"
categories=";$(entry Categories)"
for category in Science Engineering; do
  [[ $categories == *";$category;"* ]] || fail "Categories lack $category"
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$folder/$id.metainfo.xml" ||
  fail "the metainfo does not launch $id.desktop"
