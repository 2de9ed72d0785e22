#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there: exactly
# the program, its desktop entry, its metainfo and its icons, each valid and each
# naming the others by the names they are installed under.
#
#   check-install.sh CMAKE BUILD_DIR
set -euo pipefail
"$(dirname "$0")/../../scripts/require-tool.sh" desktop-file-validate desktop-file-utils \
  appstreamcli appstream file file xmllint libxml2-utils update-mime-database shared-mime-info
cmake=$1
build=$2
id=io.github.selbrin.Selbrin

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

fail() {
  echo "install: $*" >&2
  exit 1
}

expected="bin/selbrin
share/applications/$id.desktop
share/doc/selbrin/copyright
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/metainfo/$id.metainfo.xml
share/mime/packages/$id.xml"
installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$installed" != "$(LC_ALL=C sort <<<"$expected")" ]; then
  diff <(LC_ALL=C sort <<<"$expected") <(echo "$installed") >&2 || true
  fail "the installed files differ from the list above (< expected, > installed)"
fi

[ -x "$prefix/bin/selbrin" ] || fail "bin/selbrin is not executable"
file -b "$prefix/share/icons/hicolor/32x32/apps/$id.png" | grep -q '^PNG image data, 32 x 32,' ||
  fail "the 32x32 icon is not a 32 x 32 PNG"
file -b "$prefix/share/icons/hicolor/256x256/apps/$id.png" | grep -q '^PNG image data, 256 x 256,' ||
  fail "the 256x256 icon is not a 256 x 256 PNG"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ||
  fail "the scalable icon is not an SVG"

desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
grep -qx 'Exec=selbrin %f' "$desktop" || fail "the desktop entry does not start bin/selbrin with the file"
grep -qx 'MimeType=application/x-selbrin;' "$desktop" || fail "the desktop entry does not open drive files"
mime=$prefix/share/mime
xmllint --noout "$mime/packages/$id.xml" || fail "the drive file's type is not valid XML"
if command -v update-mime-database >/dev/null; then
  update-mime-database "$mime" || fail "update-mime-database refuses the drive file's type"
  grep -q 'application/x-selbrin:\*\.selbrin' "$mime/globs2" || fail "*.selbrin is not a drive file"
fi
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the installed icon"
# The window's class on X11 is the application's name; docks match it to the entry.
grep -qx 'StartupWMClass=Selbrin' "$desktop" || fail "the desktop entry does not name the window class"
grep -q '^License: MIT' "$prefix/share/doc/selbrin/copyright" || fail "the copyright file names no MIT licence"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null ||
  { appstreamcli validate --no-net "$metainfo" >&2; fail "the metainfo is not valid"; }
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo has another id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch the installed desktop entry"
grep -q '<binary>selbrin</binary>' "$metainfo" || fail "the metainfo does not provide bin/selbrin"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "the metainfo names no MIT licence"
grep -q '<release version="1.00"' "$metainfo" || fail "the metainfo does not list release 1.00"
echo "install: all files in place and valid"
