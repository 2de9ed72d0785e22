#!/usr/bin/env bash
# check-msi.sh MSI
# Installs the package for the current user under Wine, checks that the program
# and its Start menu shortcut are there, uninstalls it and checks they are gone.
set -euo pipefail
msi=$(winepath -w "$1")
programs=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')")/Programs/Selbrin
menu=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")/Microsoft/Windows/Start\ Menu/Programs
wine msiexec /i "$msi" /qn
for f in "$programs/selbrin.exe" "$menu/Selbrin.lnk"; do
  [ -f "$f" ] || { echo "not installed: $f"; exit 1; }
done
wine msiexec /x "$msi" /qn
for f in "$programs/selbrin.exe" "$menu/Selbrin.lnk"; do
  [ ! -e "$f" ] || { echo "left after uninstall: $f"; exit 1; }
done
echo "installed and uninstalled $1"
