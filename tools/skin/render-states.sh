#!/bin/bash
# Renders one picture source into the skin's pictures. The source is a strip
# of equal states side by side (normal, hot, ...); each NAME receives one
# state, in order, so a single NAME takes the whole picture. Metadata is
# stripped and the PNG recompressed losslessly, so the same source always
# gives the same bytes.
# Usage: render-states.sh SOURCE.svg OUTDIR NAME...
set -euo pipefail
source=$1
outdir=$2
shift 2
strip=$(mktemp --suffix=.png)
trap 'rm -f "$strip"' EXIT

rsvg-convert -o "$strip" "$source"
read -r width height < <(identify -format '%w %h\n' "$strip")
if [ $((width % $#)) -ne 0 ]; then
  echo "$source: $width pixels don't split into $# states" >&2
  exit 1
fi
state=$((width / $#))
left=0
for name in "$@"; do
  convert "$strip" -crop "${state}x${height}+${left}+0" +repage -strip \
    -define png:exclude-chunks=date,time "PNG32:$outdir/$name"
  optipng -quiet -o2 -strip all "$outdir/$name"
  left=$((left + state))
done
