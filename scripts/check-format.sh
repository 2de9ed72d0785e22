#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format says.
# The style is the one clang-format 14 (Debian 12) writes; other versions break
# lines differently, so the check insists on 14.
set -euo pipefail
cd "$(dirname "$0")/.."
expected=14
format=$(command -v clang-format-$expected || command -v clang-format || true)
if [ -z "$format" ]; then
  echo "format-check: clang-format $expected is not installed: it comes with the Debian package clang-format-$expected"
  exit 1
fi
if ! "$format" --version | grep -q "version $expected\."; then
  echo "format-check: $format is not clang-format $expected: $("$format" --version)"
  exit 1
fi
mapfile -d '' files < <(git ls-files -z '*.cpp' '*.h' 2>/dev/null || true)
[ "${#files[@]}" -gt 0 ] || exit 0
bad=$("$format" --dry-run "${files[@]}" 2>&1 |
  grep -o '^[^:]*:[0-9]*:[0-9]*: warning' | cut -d: -f1 | sort -u || true)
if [ -n "$bad" ]; then
  echo "These files are not formatted (run: $format -i FILE):"
  echo "$bad"
  exit 1
fi
echo "format-check: all C++ files formatted with clang-format $expected"
