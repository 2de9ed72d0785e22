#!/usr/bin/env bash
# check-startup.sh EXE SHOT TYPICAL_SHOT DRIVE_FILE
# Starts the program under Wine on the X display a window manager runs on, and
# checks that its window maps with the title " Selbrin" and a client area of
# the form's proportions (475 x 316 at 96 DPI) at a scale of at least 1, which
# the dialog font may make larger. Saves the screen to SHOT, then enters a worked drive with
# the keyboard (a 30 kW motor, screw at 4000 rpm, pulleys 224 and 165, centre
# distance 500, "SPB", three belts, "Hesapla", which gives a belt power) and
# saves the window, the focus on "Hesapla", to TYPICAL_SHOT. Then starts it on
# a copy of DRIVE_FILE, whose name the window's title shows, and on a file that
# is not a drive, which the program says in a message box over the form.
set -euo pipefail
"$(dirname "$0")/../../../scripts/require-tool.sh" wine wine xdotool xdotool xwininfo x11-utils import imagemagick
exe=$1 shot=$2 typical=$3 drive=$4
wine "$exe" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
id=$(timeout 30 xdotool search --sync --onlyvisible --name '^ Selbrin$' | head -1)
sleep 1
size=$(xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
w=${size%x*} h=${size#*x}
# Each edge is rounded on its own: the proportion holds to a pixel either way.
if ((w < 475 || h < 316 || (w * 316 - h * 475) ** 2 > (475 + 316) ** 2)); then
  echo "client area $size, not 475 x 316 or larger in proportion"
  exit 1
fi
import -window root "$shot"

keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
tabs() { printf 'Tab %.0s' $(seq "$1"); }
# The focus starts in Text2; Tab walks the tab order (Text2, the option group,
# Text9, chkKompakt, Text5, Text10, ..., Command1, Command3, chk4kutup, Combo1,
# Combo2, Combo3, chkC2) and selects a text box's text, which typing replaces.
# Under Wine Tab leaves a combo box's text as it was, so Home and Shift+End
# select it; End after the picks leaves the picked 30 unselected.
keys $(tabs 12) Down Down Down Down Down Down End   # Combo1: 30 kW
keys $(tabs 4) 4 0 0 0                              # Text2: the screw speed
keys $(tabs 13) Home shift+End 2 2 4                # Combo2: the motor pulley
keys Tab Home shift+End 1 6 5                       # Combo3: the screw pulley
keys $(tabs 7) 5 0 0                                # Text10: the centre distance
keys shift+Tab 3                                    # Text5: three belts ("SPB" is selected)
keys $(tabs 5) Return                               # "Hesapla", which keeps the focus
sleep 1
frame=$(xdotool search --name '^ Selbrin$' | head -1)
import -window root -crop "$(xwininfo -id "$frame" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {printf "%dx%d+%d+%d", w + 8, h + 30, x - 4, y - 26}')" "$typical"
echo "window $id mapped at $size; saved $shot and $typical"

# The command line's file, each run on a display without the window before.
stop() {
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null || return 0
    sleep 0.2
  done
  echo "window $1 still there"
  exit 1
}
stop '^ Selbrin$'
files=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$files"' EXIT
cp "$drive" "$files/pompa.selbrin"
printf 'selbrin-drive 1\nCombo1=30\n' >"$files/bozuk.selbrin"
wine "$exe" "$(winepath -w "$files/pompa.selbrin")" &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^pompa\.selbrin – Selbrin$' >/dev/null ||
  { echo "no window titled for pompa.selbrin"; exit 1; }
stop '^pompa'
wine "$exe" "$(winepath -w "$files/bozuk.selbrin")" &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Aç…$' >/dev/null ||
  { echo "no message for bozuk.selbrin"; exit 1; }
xdotool search --onlyvisible --name '^ Selbrin$' >/dev/null ||
  { echo "the form's title changed by a bad file"; exit 1; }
echo "opened pompa.selbrin from the command line; bozuk.selbrin told"
