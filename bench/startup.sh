#!/usr/bin/env bash
# How fast Selbrin's window is there, and how much memory it holds, next to a
# bare Qt window with the same 65 widgets (the toolkit's floor).
#
#   bench/startup.sh [PROGRAM]          PROGRAM defaults to build/bin/selbrin
#   RUNS=20 bench/startup.sh build-release/bin/selbrin
#
# Starts a private Xvfb on a free display, then, after one warm-up run of each,
# starts PROGRAM and the bare window RUNS times each (10 by default, taking
# turns), and for every run takes the time from exec to the MapNotify of the
# window, the time to its last paint (X DAMAGE events) within the next second
# (a window that settles paints once), and then VmRSS and VmHWM; also the processor time the
# program used, which the machine's other work disturbs less than the clock.
# Prints min, median and max.
# The probe (selbrin-mapwait) and the bare window (selbrin-bare-window) are
# taken from PROGRAM's folder, else from build/bin. Only the X server and the
# programs this script starts are stopped. Timings are noisy: not a test.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/bin/selbrin}
runs=${RUNS:-10}
settle_ms=${SETTLE_MS:-1000}

find_tool() {
  local name=$1 dir
  for dir in "$(dirname "$program")" build/bin build-release/bin; do
    if [ -x "$dir/$name" ]; then
      echo "$dir/$name"
      return
    fi
  done
  echo "startup: $name not found; build it first (cmake --build --preset dev)" >&2
  exit 1
}

[ -x "$program" ] || { echo "startup: $program is not built" >&2; exit 1; }
mapwait=$(find_tool selbrin-mapwait)
bare=$(find_tool selbrin-bare-window)

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
  sleep 0.05
done
[ -s "$work/display" ] || { echo "startup: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
# A desktop session has a private runtime folder; without one Qt warns each run.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

measure() {  # measure NAME PROGRAM: one run, appended to $work/NAME
  "$mapwait" --settle "$settle_ms" "$2" >>"$work/$1"
}

echo "display $DISPLAY, $runs runs each after a warm-up, memory ${settle_ms} ms after the map"
measure warmup "$program"
measure warmup "$bare"
for _ in $(seq "$runs"); do
  measure selbrin "$program"
  measure bare "$bare"
done

# min, median and max of column N of a result file, times FACTOR
stats() {
  cut -d' ' -f"$2" "$work/$1" | sort -n | awk -v f="${3:-1}" '{ v[NR] = $1 * f }
    END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          printf "%7.1f %7.1f %7.1f\n", v[1], m, v[NR] }'
}
median() { stats "$1" "$2" | awk '{ print $2 }'; }

printf '%-28s %7s %7s %7s\n' "" min median max
for run in selbrin bare; do
  if [ "$run" = selbrin ]; then echo "$(basename "$program")"; else echo "bare Qt window"; fi
  printf '  %-26s %s\n' "exec to mapped window, ms" "$(stats "$run" 1)"
  printf '  %-26s %s\n' "exec to last paint, ms" "$(stats "$run" 5)"
  printf '  %-26s %s\n' "VmRSS after 1 s, MiB" "$(stats "$run" 2 0.0009765625)"
  printf '  %-26s %s\n' "VmHWM, MiB" "$(stats "$run" 3 0.0009765625)"
  printf '  %-26s %s\n' "processor time, ms" "$(stats "$run" 4)"
done
awk -v sm="$(median selbrin 1)" -v bm="$(median bare 1)" \
    -v sr="$(median selbrin 2)" -v br="$(median bare 2)" \
    -v sh="$(median selbrin 3)" -v bh="$(median bare 3)" \
    -v sc="$(median selbrin 4)" -v bc="$(median bare 4)" 'BEGIN {
  printf "medians against the bare window: map %+.1f %%, VmRSS %+.1f %%, VmHWM %+.1f %%, processor %+.1f %%\n",
         (sm / bm - 1) * 100, (sr / br - 1) * 100, (sh / bh - 1) * 100, (sc / bc - 1) * 100 }'
