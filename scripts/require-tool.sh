#!/usr/bin/env bash
# require-tool.sh COMMAND PACKAGE [COMMAND PACKAGE]... [-- PROGRAM ARGS...]
# What a test runs before the programs it calls. Fails, naming the Debian package
# of each command that is missing (`scripts/install-deps.sh test` installs them
# all); else runs PROGRAM when one follows "--".
set -u
status=0
while [ $# -ge 2 ] && [ "$1" != -- ]; do
  if ! command -v "$1" >/dev/null; then
    echo "$1 is not installed: it comes with the Debian package $2 (scripts/install-deps.sh test installs it)" >&2
    status=1
  fi
  shift 2
done
[ "$status" -eq 0 ] || exit "$status"
[ "${1:-}" != -- ] || { shift; exec "$@"; }
