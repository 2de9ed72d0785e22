#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, on a virtual X server with a window
# manager, as a desktop would show the window.
#
# The Wine prefix is made afresh for each run and its services are started here,
# before CTest: a Wine service started by a test would keep CTest's output pipe
# open and CTest would wait for it for ever. Wine's menu builder is off, and the
# home and XDG folders are build-windows/home, so that installing the MSI gives
# the user's own desktop no menu entry or icon.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/require-tool.sh xvfb-run xvfb xauth xauth openbox openbox wine wine wineserver wine || exit 1
export WINEPREFIX=$PWD/build-windows/wineprefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export HOME=$PWD/build-windows/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache \
  XDG_STATE_HOME=$HOME/.local/state XDG_RUNTIME_DIR=$HOME/runtime
rm -rf "$WINEPREFIX" "$HOME"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

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
