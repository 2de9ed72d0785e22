#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, on a virtual X server with a window
# manager, as a desktop would show the window.
#
# The Wine prefix is made afresh for each run and its services are started here,
# before CTest: a Wine service started by a test would keep CTest's output pipe
# open and CTest would wait for it for ever.
set -euo pipefail
cd "$(dirname "$0")/.."
export WINEPREFIX=$PWD/build-windows/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"

inner='
openbox >/dev/null 2>&1 &
wm=$!
wine cmd /c exit >/dev/null 2>&1
status=0
ctest --preset windows "$@" || status=$?
wineserver -k >/dev/null 2>&1 || true
kill "$wm" 2>/dev/null || true
exit $status'
exec xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" bash -c "$inner" windows-test "$@"
