#!/usr/bin/env bash
# check-msi.sh MSI
# Checks the package's tables (Turkish, the program's file version, the
# upgrade rules, the shortcut's Turkish description from the program), then
# installs it for the current user under Wine, checks that the program and its
# Start menu shortcut and the .selbrin file type are there, uninstalls it and
# checks they are gone.
# Wine runs with a fresh, empty home and XDG folders, which must stay empty: the
# install must not reach the desktop's menus or icons outside the Wine prefix.
set -euo pipefail
"$(dirname "$0")/../../../scripts/require-tool.sh" wine wine winepath wine msiinfo msitools || exit 1
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
  XDG_CACHE_HOME=$home/.cache XDG_STATE_HOME=$home/.local/state
table() { msiinfo export "$1" "$2" | tr -d '\r'; }
expect() {  # TABLE PATTERN
  table "$1" "$2" | grep -qE "$3" || { echo "$2 has no row like: $3"; table "$1" "$2"; exit 1; }
}
expect "$1" Property $'^ProductLanguage\t1055$'
expect "$1" File $'^SelbrinExe\t.*\t[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+\t'
expect "$1" Upgrade $'\t1\t+WIX_UPGRADE_DETECTED$'
expect "$1" Upgrade $'\t2\t+WIX_DOWNGRADE_DETECTED$'
expect "$1" InstallExecuteSequence $'^RemoveExistingProducts\t'
expect "$1" Shortcut $'^SelbrinShortcut\t.*\t\[INSTALLDIR\]selbrin\.exe\t101$'
msi=$(winepath -w "$1")
programs=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')")/Programs/Selbrin
menu=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")/Microsoft/Windows/Start\ Menu/Programs
classes='HKCU\Software\Classes'
# The default value of a key in the user's classes, or nothing.
registered() { wine reg query "$classes\\$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
wine msiexec /i "$msi" /qn
open_command=$(winepath -w "$programs/selbrin.exe")
for f in "$programs/selbrin.exe" "$menu/Selbrin.lnk"; do
  [ -f "$f" ] || { echo "not installed: $f"; exit 1; }
done
[ "$(registered .selbrin)" = Selbrin.Drive ] || { echo "no .selbrin file type"; exit 1; }
[ "$(registered 'Selbrin.Drive\shell\open\command')" = "\"$open_command\" \"%1\"" ] ||
  { echo "no open command: $(registered 'Selbrin.Drive\shell\open\command')"; exit 1; }
wine msiexec /x "$msi" /qn
for f in "$programs/selbrin.exe" "$menu/Selbrin.lnk"; do
  [ ! -e "$f" ] || { echo "left after uninstall: $f"; exit 1; }
done
for key in .selbrin Selbrin.Drive; do
  ! wine reg query "$classes\\$key" >/dev/null 2>&1 || { echo "left after uninstall: $key"; exit 1; }
done
written=$(cd "$home" && find . -mindepth 1)
if [ -n "$written" ]; then
  echo "installing and uninstalling wrote into the home folder:"
  echo "$written"
  exit 1
fi
echo "installed and uninstalled $1; the home folder untouched"
