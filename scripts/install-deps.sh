#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests, the package check and the demo need, if
# any is missing.
# Usage: scripts/install-deps.sh [extra-package ...]
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev
          qt6-base-dev qt6-serialport-dev
          # the translations: lupdate and lrelease with their CMake functions, and Qt's own
          # catalogues for its standard buttons and dialogs
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          # scripts/check-package.sh: dpkg-shlibdeps, Debian's package checker, the desktop entry,
          # metainfo, MIME type and manual page checks
          dpkg-dev file lintian desktop-file-utils appstream shared-mime-info groff-base gzip
          # the test that reads an exported PDF back (pdftotext), and pdftoppm to look at its pages
          poppler-utils
          # the detail editor's full-width captions: the smallest font package that has them
          fonts-sawarabi-gothic
          "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
