#!/usr/bin/env bash
# Builds the Debian package of the build folder BUILD with CPack, unpacks it into a temporary
# root, checks its dependencies and files, and sizes the bundled example with the unpacked
# selvio-cli against the unpacked data: once with --dir, once started in a folder without a
# catalogue, where it must work in the user's data folder copied from the unpacked data; then
# the same from a plain install to another prefix.
# Usage: deb_package_test.sh BUILD
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  fail "cpack -G DEB"
fi
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb in $work/out"
deb=${debs[0]}
root="$work/root"
dpkg -x "$deb" "$root"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# selvio-cli paints the check's pictures with Qt Charts, a widget library. libcurl is loaded
# only when an update runs, so no binary names it.
wanted=(libc6 libqt6core6 libqt6xml6 libqt6gui6 libqt6widgets6 libqt6charts6 libcurl4
  qt6-qpa-plugins qt6-translations-l10n xdg-utils fonts-liberation2)
for package in "${wanted[@]}"; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends does not name $package"
done

for file in usr/bin/selvio-cli usr/share/selvio/xmldata.xml "usr/share/selvio/Рнас.dat" \
  usr/share/selvio/etilenglikol.dat usr/share/selvio/pdf/vkf2.pdf usr/share/selvio/2D/vkf2.png \
  usr/share/applications/org.selvio.Selvio.desktop \
  usr/share/metainfo/org.selvio.Selvio.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/org.selvio.Selvio.svg; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ ! -e "$root/usr/share/selvio/README.md" ] || fail "the data's README is installed"

cli="$root/usr/bin/selvio-cli"
data="$root/usr/share/selvio"
mkdir "$work/home" "$work/start"
export HOME="$work/home" XDG_DATA_HOME="$work/xdg"
(cd "$work/start" && "$cli" select "$data/example.crp" --dir "$data" --json) >"$work/dir.json"
(cd "$work/start" && "$cli" select "$data/example.crp" --json) >"$work/user.json"
cmp "$work/dir.json" "$work/user.json" || fail "the user's folder sizes the example differently"
cmp "$data/xmldata.xml" "$work/xdg/selvio/xmldata.xml" || fail "the catalogue was not copied"
[ -z "$(ls -A "$work/start")" ] || fail "files were written into the start folder"

# The translations are built into the program: the installed one speaks English on request.
(cd "$work/start" && "$cli" --lang en select "$data/example.crp" --dir "$data") >"$work/en.txt"
grep -q "Kvs is sufficient: IEC requires Kv" "$work/en.txt" || fail "the installed program's English"

# A plain install to another prefix finds its data the same way.
cmake --install "$build" --prefix "$work/local" >/dev/null
mkdir "$work/start-local"
(cd "$work/start-local" && XDG_DATA_HOME="$work/xdg-local" "$work/local/bin/selvio-cli" \
  select "$work/local/share/selvio/example.crp" --json) >"$work/local.json"
cmp "$work/dir.json" "$work/local.json" || fail "the install under $work/local"

# Water, G 5 m³/h, ΔP 0.3 bar, K 1.2: Kv = 1.2·5/√0.3 = 10.954; the first candidate, Kvs 16,
# loses (5/16)² = 0.0977 bar when open.
/usr/bin/python3 - "$work/dir.json" <<'PY' || fail "the example's result"
import json, sys
result = json.load(open(sys.argv[1], encoding="utf-8"))
assert result["outcome"] == 1, result["outcome"]
assert abs(result["kv"] - 10.954) < 0.001, result["kv"]
assert abs(result["dpv"] - 0.0977) < 0.0001, result["dpv"]
assert result["candidates"][0]["kvs"] == 16, result["candidates"][0]
PY
echo "package $(basename "$deb") checked"
