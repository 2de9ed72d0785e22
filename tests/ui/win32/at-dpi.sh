#!/usr/bin/env bash
# at-dpi.sh DPI COMMAND...
# Runs COMMAND with Wine's screen at DPI (its LogPixels), then puts 96 back.
set -euo pipefail
dpi=$1
shift
key='HKCU\Control Panel\Desktop'
wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
trap 'wine reg add "$key" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1' EXIT
"$@"
