#!/usr/bin/env bash
# check-scenario.sh REPLAY SCRIPT EXPECTED
# Plays SCRIPT with the scenario runner and compares what it printed with EXPECTED:
# standard output, then "--- stderr" and the error output if there was any, then
# "--- exit N" if the runner did not exit with 0.
# With UPDATE=1 it writes EXPECTED instead of comparing. SCENARIO_EMULATOR, when
# set, runs REPLAY (a Windows build under Wine, say).
set -u
replay=$1 script=$2 expected=$3
actual=$(mktemp)
trap 'rm -f "$actual" "$actual.err"' EXIT
${SCENARIO_EMULATOR:+"$SCENARIO_EMULATOR"} "$replay" "$script" >"$actual" 2>"$actual.err"
status=$?
if [ -s "$actual.err" ]; then
  echo "--- stderr" >>"$actual"
  cat "$actual.err" >>"$actual"
fi
if [ "$status" -ne 0 ]; then
  echo "--- exit $status" >>"$actual"
fi
if [ "${UPDATE:-0}" = 1 ]; then
  cp "$actual" "$expected"
  exit 0
fi
diff -u "$expected" "$actual"
