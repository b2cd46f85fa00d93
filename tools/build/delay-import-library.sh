#!/bin/bash
# Makes a delay-import library for one system DLL from mingw-w64's ordinary
# import library of it: the same functions, each bound on its first call
# instead of when the program starts. Data exports can't be delay-loaded and
# are left out; the library's own objects that are not import stubs (gdiplus
# carries GUIDs and a cached string format that its C++ header refers to)
# are carried over as they are.
#
#   delay-import-library.sh TRIPLET IMPORT_LIBRARY DLL_NAME OUTPUT
set -euo pipefail
triplet=$1 import_library=$2 dll=$3 output=$4
work=$output.def
{
  echo "LIBRARY $dll"
  echo "EXPORTS"
  # Each function has a thunk in .text; i686 names carry the C prefix "_".
  "$triplet-nm" -g --defined-only "$import_library" | awk -v i686="${triplet%%-*}" '
    $2 == "T" { name = $3; if (i686 == "i686") sub(/^_/, "", name); print "  " name }' | sort -u
} >"$work"
rm -f "$output"
# --kill-at: the DLL exports the stdcall names undecorated.
"$triplet-dlltool" --kill-at --input-def "$work" --dllname "$dll" --output-delaylib "$output"

# Members that define no import symbol are ordinary objects, not stubs.
objects=$("$triplet-nm" -A --defined-only "$import_library" | awk -F: '
  { member = $2; all[member] = 1 }
  /__imp_|_head_|_iname/ { stub[member] = 1 }
  END { for (member in all) if (!(member in stub)) print member }')
if [ -n "$objects" ]; then
  extract=$output.objects
  rm -rf "$extract" && mkdir -p "$extract"
  # shellcheck disable=SC2086
  (cd "$extract" && "$triplet-ar" x "$import_library" $objects)
  # shellcheck disable=SC2086
  (cd "$extract" && "$triplet-ar" rs "$output" $objects)
  rm -rf "$extract"
fi
