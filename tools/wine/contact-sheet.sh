#!/bin/bash
# Puts every screenshot of a folder on one contact sheet, contact-sheet.png
# in the same folder, each labelled with its file name.
#
#   contact-sheet.sh FOLDER
set -euo pipefail
folder=${1:?usage: contact-sheet.sh FOLDER}
shots=()
for shot in "$folder"/*.png; do
  [ -f "$shot" ] && [ "$(basename "$shot")" != contact-sheet.png ] && shots+=("$shot")
done
[ ${#shots[@]} -gt 0 ] || { echo "no screenshots in $folder"; exit 0; }
# ImageMagick's own default face may be missing: name an installed one.
font=$(fc-match -f '%{file}' sans)
montage -font "$font" -label '%t' -pointsize 10 -geometry '+4+4' -tile 6x -background '#dddddd' \
  "${shots[@]}" "$folder/contact-sheet.png"
echo "contact sheet: $folder/contact-sheet.png (${#shots[@]} screenshots)"
