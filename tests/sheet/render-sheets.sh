#!/usr/bin/env bash
# render-sheets.sh REPLAY DIR: renders the worked drives' sheets in DIR and the
# sheets of DIR/odd-forms.txt to PNG with rsvg-convert; any warning fails.
set -u
replay=$1 dir=$2
"$(dirname "$0")/../../scripts/require-tool.sh" rsvg-convert librsvg2-bin || exit 1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
SOURCE_DATE_EPOCH=0 "$replay" "$dir/odd-forms.txt" || exit 1
status=0
for svg in "$dir"/*.svg ./*.svg; do
  rsvg-convert --format=png --output=page.png "$svg" 2>warnings.txt || status=1
  if [ -s warnings.txt ]; then
    echo "$svg:"; cat warnings.txt; status=1
  fi
  [ -s page.png ] || { echo "$svg: no picture"; status=1; }
  rm -f page.png
done
exit $status
