#!/usr/bin/env bash
# Builds the Debian package from a Release build and checks it: Debian's package checker
# (lintian) finds no error and no warning, the desktop entry, the AppStream metainfo, the clone
# file type and the manual pages validate, the dependencies dpkg-shlibdeps found are there, and
# `qbr36-cli --version` runs from the package unpacked into a scratch root.
# PACKAGE_BUILD_DIR overrides the build folder (build-package), which later runs reuse.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${PACKAGE_BUILD_DIR:-build-package}
app_id=org.qbr36.cloneutility
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DR36_SANITIZE=OFF -DR36_TESTS=OFF \
  -DR36_BENCH=OFF >/dev/null
# Two jobs: the machine that runs the tests is usually shared.
cmake --build "$build" -j 2
rm -f "$build"/qbr36_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/qbr36_*.deb)
deb=${debs[0]}

fail() {
  echo "check-package: $*" >&2
  exit 1
}

# lintian's information tags that may stay, each with why. Any other tag fails the check.
allowed_info_tags=(
  # CPack strips the programs with a plain `strip`, which keeps the compilers' version notes
  # (.comment, a few hundred bytes, also from the C library's start-up files); Debian's own
  # packages lose them in dh_strip, which a CPack package does not run.
  binary-has-unneeded-section
  # The user guide is read by the program (Help > User guide…), so it lives with the program's
  # data in /usr/share/qbr36: /usr/share/doc may be left out of an installation (dpkg's
  # path-exclude), and Debian's policy lets no program depend on it.
  package-contains-documentation-outside-usr-share-doc
)
# Its remarks on standard error (such as running as root) are not tags.
lintian_out=$(lintian --display-info --fail-on error,warning "$deb") ||
  fail "lintian found errors or warnings:"$'\n'"$lintian_out"
while read -r kind _ tag _; do
  [[ -z "$kind" ]] && continue
  [[ "$kind" == I: ]] || fail "lintian: unexpected output: $kind $tag"
  [[ " ${allowed_info_tags[*]} " == *" $tag "* ]] || fail "lintian: information tag '$tag' is not named in $0"
done <<<"$lintian_out"

# dpkg-shlibdeps' finds, and the font added by hand.
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//')
for needed in fonts-sawarabi-gothic libqt6widgets6 libqt6printsupport6 libqt6serialport6 libc6; do
  grep -qx "$needed" <<<"$depends" || fail "$deb does not depend on $needed"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for file in usr/bin/qbr36 usr/bin/qbr36-cli usr/bin/qbr36-sim \
  "usr/share/applications/$app_id.desktop" "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
  "usr/share/metainfo/$app_id.metainfo.xml" "usr/share/mime/packages/$app_id.xml" \
  usr/share/doc/qbr36/copyright usr/share/doc/qbr36/changelog.gz usr/share/qbr36/guide/guide.md \
  usr/share/man/man1/qbr36.1.gz usr/share/man/man1/qbr36-cli.1.gz usr/share/man/man1/qbr36-sim.1.gz; do
  [[ -f "$root/$file" ]] || fail "$deb lacks /$file"
done
# Every picture the guide shows is in the package.
while read -r picture; do
  [[ -f "$root/usr/share/qbr36/guide/$picture" ]] || fail "the guide shows $picture, not in the package"
done < <(grep -oh '!\[[^]]*\]([^)]*)' "$root"/usr/share/qbr36/guide/guide*.md | sed 's/.*(//; s/)$//' | sort -u)

desktop="$root/usr/share/applications/$app_id.desktop"
# It prints errors, warnings and hints; any of them fails the check.
desktop_out=$(desktop-file-validate "$desktop" 2>&1) || true
[[ -z "$desktop_out" ]] || fail "desktop-file-validate: $desktop_out"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[[ -x "$root/usr/bin/${exec_line%% *}" ]] || fail "the desktop entry starts '$exec_line', not in the package"
# Every remark counts, pedantic ones too, except this one: Debian 12's AppStream (0.16) predates
# the <developer> tag that AppStream 1.0 reads in place of <developer_name>.
allowed_appstream='^I: [^ ]*: unknown-tag developer$'
for validate in validate validate-tree; do
  target="$root"
  [[ $validate == validate ]] && target="$root/usr/share/metainfo/$app_id.metainfo.xml"
  appstream_out=$(appstreamcli "$validate" --no-net --pedantic "$target" 2>&1) ||
    fail "appstreamcli $validate:"$'\n'"$appstream_out"
  remarks=$(grep -E '^[EWIP]: ' <<<"$appstream_out" | grep -vE "$allowed_appstream" || true)
  [[ -z "$remarks" ]] || fail "appstreamcli $validate --pedantic:"$'\n'"$remarks"
done

# The clone file type: the MIME database built from the package alone knows its name pattern and
# its first line, and the desktop entry offers to open it.
update-mime-database "$root/usr/share/mime"
grep -q '^50:application/x-qbr36-clone:\*\.r36$' "$root/usr/share/mime/globs2" ||
  fail "the MIME database has no *.r36 pattern for application/x-qbr36-clone"
grep -qa 'DATE:Save Date and Time' "$root/usr/share/mime/magic" ||
  fail "the MIME database has no first line for application/x-qbr36-clone"
grep -qx 'MimeType=application/x-qbr36-clone;' "$desktop" || fail "the desktop entry lists no MIME type"

# groff prints its warnings (unknown macros, bad escapes) on standard error.
for page in qbr36 qbr36-cli qbr36-sim; do
  man_warnings=$(zcat "$root/usr/share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
  [[ -z "$man_warnings" ]] || fail "the manual page of $page: $man_warnings"
done

# The package's Qt comes from the system, so the unpacked program runs as it is.
version=$("$root/usr/bin/qbr36-cli" --version)
[[ "$version" == "QB-R36 Clone Utility $(dpkg-deb -f "$deb" Version)" ]] ||
  fail "qbr36-cli --version printed '$version' for package version $(dpkg-deb -f "$deb" Version)"
info_count=$(grep -c '^I: ' <<<"$lintian_out" || true)
echo "$(basename "$deb"): $version; lintian: no error or warning, $info_count information tags" \
  "named here; desktop entry, metainfo, MIME type and manual pages checked"
