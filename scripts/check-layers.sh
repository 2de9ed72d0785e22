#!/usr/bin/env bash
# scripts/check-layers.sh [ROOT]: fails when a C++ file includes a header of a
# layer above its own. The layers, from the bottom, each free to include those
# below it and its own:
#
#   0 runtime    numbers, shown texts, faults
#   1 form       the controls and the form model
#   2 drive      "Hesapla"
#   3 sizing     pulley width, screw pulley, bushes (a profile click runs drive)
#   4 motor      the motor and the coupling of speeds and pulleys (runs sizing)
#   5 program    the event routing: the one place that knows every handler
#   6 sheet      what is drawn from the finished form, for every face
#   6 drivefile  the drive kept as a file and read back, for every face
#   7 ui tools   the faces and the scenario runner
#   8 app bench fuzz tests
#
# Besides, one face never includes another: ui/A/ takes nothing from ui/B/;
# every face may take from ui/common/, which takes from no face. The same holds
# for the faces' tests: tests/ui/A/ takes nothing from ui/B/ or tests/ui/B/.
# A folder with C++ files that is not in this table fails the check, so that a
# new folder is given its place here first.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

rank_of() {
  case "$1" in
    runtime) echo 0 ;;
    form) echo 1 ;;
    drive) echo 2 ;;
    sizing) echo 3 ;;
    motor) echo 4 ;;
    program) echo 5 ;;
    sheet | drivefile) echo 6 ;;
    ui | tools) echo 7 ;;
    app | bench | fuzz | tests) echo 8 ;;
    *) echo "" ;;
  esac
}

# ui/qt/form_window.cpp -> qt, tests/ui/win32/window_test.cpp -> win32;
# ui/common/geometry.h -> "" (what every face shares), as is anything outside ui/.
face_of() {
  local path=${1#tests/}
  local rest=${path#ui/}
  local face=${rest%%/*}
  [[ $path == ui/* && $rest == */* && $face != common ]] && echo "$face" || echo ""
}

bad=0
while IFS= read -r -d '' file; do
  file=${file#./}
  top=${file%%/*}
  rank=$(rank_of "$top")
  if [ -z "$rank" ]; then
    echo "$file: the folder $top/ has no layer in scripts/check-layers.sh"
    bad=1
    continue
  fi
  while IFS= read -r header; do
    # A path from the file's own folder counts as the path from the root it names.
    if [[ $header == ../* || $header == ./* ]]; then
      header=$(realpath -m --relative-to=. "$(dirname "$file")/$header")
    fi
    target=${header%%/*}
    target_rank=$(rank_of "$target")
    [ -n "$target_rank" ] || continue  # a header of its own folder or generated
    if [ "$target_rank" -gt "$rank" ]; then
      echo "$file includes $header: $top/ is below $target/"
      bad=1
    elif [[ $file == ui/* || $file == tests/ui/* ]] && [[ $header == ui/* || $header == tests/ui/* ]]; then
      from=$(face_of "$file")
      to=$(face_of "$header")
      if [ -n "$to" ] && [ "$from" != "$to" ]; then
        echo "$file includes $header: one face includes nothing of another"
        bad=1
      fi
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]\([^">]*\/[^">]*\)[">].*/\1/p' "$file")
done < <(find . -path './.*' -prune -o -path './build*' -prune -o -path './*/*' \
  -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.cc' -o -name '*.hpp' \) -print0)

if [ "$bad" -ne 0 ]; then
  echo "layers: an include runs against the order runtime <- form <- drive <- sizing <- motor <- program <- faces"
  exit 1
fi
echo "layers: every include keeps to the order of the layers"
