#!/usr/bin/env bash
# Builds the Debian package from a Release build and checks what it installs: the desktop entry,
# the AppStream metainfo, the manual page, the dependencies dpkg-shlibdeps found, and
# `qbr36-cli --version` run from the package unpacked into a scratch root.
# PACKAGE_BUILD_DIR overrides the build folder (build-package), which later runs reuse.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${PACKAGE_BUILD_DIR:-build-package}
app_id=org.qbr36.CloneUtility
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DR36_SANITIZE=OFF -DR36_TESTS=OFF \
  -DR36_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/qbr36_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/qbr36_*.deb)
deb=${debs[0]}

fail() {
  echo "check-package: $*" >&2
  exit 1
}

# dpkg-shlibdeps' finds, and the font added by hand.
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//')
for needed in fonts-sawarabi-gothic libqt6widgets6 libqt6serialport6 libc6; do
  grep -qx "$needed" <<<"$depends" || fail "$deb does not depend on $needed"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for file in usr/bin/qbr36 usr/bin/qbr36-cli usr/bin/qbr36-sim \
  "usr/share/applications/$app_id.desktop" "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
  "usr/share/metainfo/$app_id.metainfo.xml" usr/share/man/man1/qbr36-cli.1.gz; do
  [[ -f "$root/$file" ]] || fail "$deb lacks /$file"
done

desktop="$root/usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[[ -x "$root/usr/bin/${exec_line%% *}" ]] || fail "the desktop entry starts '$exec_line', not in the package"
appstreamcli validate-tree --no-net --strict "$root"

# groff prints its warnings (unknown macros, bad escapes) on standard error.
man_warnings=$(zcat "$root/usr/share/man/man1/qbr36-cli.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
[[ -z "$man_warnings" ]] || fail "the manual page: $man_warnings"

# The package's Qt comes from the system, so the unpacked program runs as it is.
version=$("$root/usr/bin/qbr36-cli" --version)
[[ "$version" == "QB-R36 Clone Utility $(dpkg-deb -f "$deb" Version)" ]] ||
  fail "qbr36-cli --version printed '$version' for package version $(dpkg-deb -f "$deb" Version)"
echo "$(basename "$deb"): $version; desktop entry, metainfo and manual page checked"
