#!/bin/bash
# Renders the busy animation: twelve frames of loading.svg, each turned 30
# degrees further, 100 ms apart, looping. The frames are drawn on the page's
# white so the dots' soft edges blend as they will on screen; the white
# itself is then made transparent.
# Usage: loading.sh SOURCE.svg OUTPUT.gif
set -euo pipefail
source=$1
output=$2
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT

for frame in $(seq 0 11); do
  sed "s/@ANGLE@/$((frame * 30))/" "$source" |
    rsvg-convert --background-color=white -o "$(printf '%s/%02d.png' "$frames" "$frame")"
done
convert -delay 10 -loop 0 "$frames"/*.png -transparent white +dither -colors 64 "$output"
