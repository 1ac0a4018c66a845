#!/usr/bin/env bash
# Sourced by run.sh and test.sh: installs the Debian packages that are missing (only those, so a
# machine that has everything needs no network) and makes the ru_RU.UTF-8 and en_US.UTF-8 locales
# available (the program speaks the locale's language; the tests run it under both).
# Only that needs root: a user without it runs "sudo scripts/ensure_tools.sh" once beforehand.
set -euo pipefail
selvio_packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libqt6xml6 libqt6printsupport6 fonts-dejavu-core
  qt6-translations-l10n
  # lupdate and lrelease, and the CMake commands that run them (qt_add_translations).
  qt6-l10n-tools qt6-tools-dev
  # Qt Charts' CMake files need Qt OpenGL's, which qt6-charts-dev does not pull in.
  qt6-charts-dev libqt6opengl6-dev
  libcurl4-openssl-dev
  fonts-liberation2 poppler-utils unzip xdg-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  python3-pyftpdlib python3-iapws
  locales
  dpkg-dev file desktop-file-utils appstream libglib2.0-bin
  clang libclang-rt-14-dev
)

selvio_missing=()
for package in "${selvio_packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    selvio_missing+=("$package")
  fi
done
selvio_locales=(ru_RU en_US)
selvio_missing_locales=()
for name in "${selvio_locales[@]}"; do
  locale -a 2>/dev/null | grep -qi "^${name}\.utf-\?8\$" || selvio_missing_locales+=("$name.UTF-8")
done

if [ "$(id -u)" -ne 0 ] && { ((${#selvio_missing[@]})) || ((${#selvio_missing_locales[@]})); }; then
  ((${#selvio_missing[@]})) && echo "Missing Debian packages: ${selvio_missing[*]}" >&2
  ((${#selvio_missing_locales[@]})) && echo "Missing locales: ${selvio_missing_locales[*]}" >&2
  echo "Installing them needs root; run once: sudo scripts/ensure_tools.sh" >&2
  exit 1
fi

if ((${#selvio_missing[@]})); then
  echo "Installing: ${selvio_missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${selvio_missing[@]}"
fi

if ((${#selvio_missing_locales[@]})); then
  for name in "${selvio_missing_locales[@]}"; do
    if [ -f /etc/locale.gen ] && ! grep -q "^$name UTF-8" /etc/locale.gen; then
      echo "$name UTF-8" >> /etc/locale.gen
    fi
  done
  locale-gen >/dev/null
fi
