#!/usr/bin/env bash
# check-sheet.sh REPLAY DIR: plays DIR/session.txt with the scenario runner in a
# scratch folder, dated by SOURCE_DATE_EPOCH, and compares what it printed with
# DIR/session.expected and the sheet it wrote with DIR/drive-example1.svg.
set -u
replay=$1 dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
SOURCE_DATE_EPOCH=1700000000 "$replay" "$dir/session.txt" >out.txt 2>&1 || { cat out.txt; exit 1; }
diff -u "$dir/session.expected" out.txt && diff -u "$dir/drive-example1.svg" drive-example1.svg
