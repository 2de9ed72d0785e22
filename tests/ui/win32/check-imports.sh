#!/usr/bin/env bash
# check-imports.sh OBJDUMP EXE...
# Each executable stands alone: it imports only DLLs that come with Windows
# (no C or C++ runtime, no winpthread beside it).
set -euo pipefail
objdump=$1
shift
system='^(kernel32|user32|gdi32|comctl32|comdlg32|advapi32|shell32|ole32|msvcrt)\.dll$'
status=0
for exe in "$@"; do
  for dll in $("$objdump" -p "$exe" | awk '/DLL Name:/ {print tolower($3)}'); do
    if ! [[ $dll =~ $system ]]; then
      echo "$exe imports $dll"
      status=1
    fi
  done
done
exit $status
