#!/usr/bin/env bash
# check-startup.sh EXE SHOT TYPICAL_SHOT
# Starts the program under Wine on the X display a window manager runs on, and
# checks that its window maps with the title " Selbrin" and a client area of
# 475 x 316 (96 DPI). Saves the screen to SHOT, then types a typical calculation
# with the keyboard (motor, screw speed, screw pulley, belts, "Hesapla") and
# saves the window to TYPICAL_SHOT.
set -euo pipefail
exe=$1 shot=$2 typical=$3
wine "$exe" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
id=$(timeout 30 xdotool search --sync --onlyvisible --name '^ Selbrin$' | head -1)
sleep 1
size=$(xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
if [ "$size" != 475x316 ]; then
  echo "client area $size, not 475x316"
  exit 1
fi
import -window root "$shot"

keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
keys 3 0 0 0                              # Text2 has the focus: the screw speed
keys $(printf 'Tab %.0s' {1..12}) Down Down Down Down Down Down   # Combo1: 30 kW
keys Tab Tab Down                         # Combo3: the item after the minimum
keys $(printf 'Tab %.0s' {1..6}) 3        # Text5: three belts
keys $(printf 'Tab %.0s' {1..5}) Return   # "Hesapla"
sleep 1
frame=$(xdotool search --name '^ Selbrin$' | head -1)
import -window root -crop "$(xwininfo -id "$frame" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {printf "%dx%d+%d+%d", w + 8, h + 30, x - 4, y - 26}')" "$typical"
echo "window $id mapped at $size; saved $shot and $typical"
