#!/bin/bash
# Shows layouts of the skin as real windows under wine and photographs them:
# every page of every tab layout in turn, one PNG each in OUTDIR, then one
# contact sheet of them all, OUTDIR/contact-sheet.png. The layouts and the
# pictures are read as plain files from SKINDIR, so a changed layout or
# picture needs no new program. Needs DISPLAY and WINEPREFIX (see
# tools/wine/harness.sh).
# Usage: skin-preview.sh PROGRAM SKINDIR OUTDIR LAYOUT...
set -euo pipefail
program=$1
skindir=$2
outdir=$3
shift 3

rm -rf "$outdir"/*.png
mkdir -p "$outdir"
# The program finds its skin folder relative to its own, as the installer's
# windows do.
folder=$(realpath --relative-to="$(dirname "$program")" "$skindir")
shots=()

# The installer window's code shrinks its layout to 580 by 360; the preview
# shows it as users see it.
window_size() {
  case $1 in
    BrowserInstallWnd.xml) echo 580 360 ;;
  esac
}

# The program names each view it shows with its place on the screen and
# waits for a line before it shows the next.
photograph() {
  local layout=$1 stem=${1%.xml}
  local verb name left top right bottom
  local size
  read -r -a size < <(window_size "$layout"; echo)
  coproc PREVIEW { /usr/lib/wine/wine64 "$program" "${folder//\//\\}" "$layout" "${size[@]}" 2>&1; }
  local pid=$PREVIEW_PID
  # Wine's console ends lines with CR LF.
  while IFS=$' \t\r' read -r -u "${PREVIEW[0]}" verb name left top right bottom; do
    case $verb in
      shot)
        local shot=$outdir/$stem-$name.png
        import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$shot"
        shots+=("$shot")
        echo next >&"${PREVIEW[1]}"
        ;;
      *) echo "$layout: $verb $name $left $top $right $bottom" >&2 ;;
    esac
  done
  wait "$pid" || { echo "$layout: the preview failed" >&2; exit 1; }
}

for layout in "$@"; do
  photograph "$layout"
done
[ ${#shots[@]} -gt 0 ] || { echo "no screenshots" >&2; exit 1; }

# Without a compositing window manager the drop shadow's window shows as a
# black frame, so the pictures are of the windows alone and the sheet draws
# a shadow of its own.
montage -font DejaVu-Sans -pointsize 13 -label '%t' "${shots[@]}" -tile 3x -shadow \
  -geometry +14+14 -background '#E6E8EB' -colors 256 "PNG8:$outdir/contact-sheet.png"
printf '%s\n' "${shots[@]}" "$outdir/contact-sheet.png"
