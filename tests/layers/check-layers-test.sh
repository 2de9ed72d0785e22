#!/usr/bin/env bash
# check-layers-test.sh CHECK: runs the layering check on small made-up trees,
# one file with one include each, and compares its verdict with the expected one.
set -uo pipefail
check=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

failed=0
# file                    include                 expected
while read -r file header expected; do
  rm -rf "${tmp:?}"/*
  mkdir -p "$tmp/$(dirname "$file")"
  case $header in
    \<*) echo "#include $header" >"$tmp/$file" ;;  # <drive/drive.h> as it is
    *) echo "#include \"$header\"" >"$tmp/$file" ;;
  esac
  if "$check" "$tmp" >/dev/null; then verdict=pass; else verdict=fail; fi
  if [ "$verdict" != "$expected" ]; then
    echo "$file including $header: the check says $verdict, expected $expected"
    failed=1
  fi
done <<'ROWS'
motor/coupling.cpp        sizing/sizing.h         pass
form/form1.cpp            runtime/num.h           pass
drive/drive.cpp           motor/motor.h           fail
form/form1.h              program/routing.h       fail
runtime/num.h             form/form1.h            fail
program/routing.cpp       tools/replay/replay.h   fail
sheet/sheet.cpp           program/routing.h       pass
sheet/sheet.cpp           ui/fault_text.h         fail
ui/web/window.cpp         sheet/sheet.h           pass
ui/web/window.cpp         ui/fault_text.h         pass
ui/win32/window.cpp       ui/qt/form_window.h     fail
tests/ui/window_test.cpp  tests/support/inv.h     pass
tests/ui/qt/look_test.cpp ui/qt/form_window.h     pass
tests/ui/qt/look_test.cpp ui/common/reading.h     pass
tests/ui/web/rules.cpp    ui/qt/widgets.h         fail
tests/ui/win32/a_test.cpp tests/ui/qt/support.h   fail
tests/ui/common/a_test.cpp ui/win32/wide.h        fail
fuzz/session_fuzz.cpp     tests/support/inv.h     pass
tools/replay/replay.cpp   tests/support/inv.h     fail
newfolder/thing.cpp       form/form1.h            fail
form/controls.cpp         <drive/drive.h>         fail
form/controls.cpp         ../drive/drive.h        fail
drive/drive.cpp           ../form/form1.h         pass
drive/drive.cpp           <gtest/gtest.h>         pass
ROWS
exit "$failed"
