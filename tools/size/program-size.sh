#!/bin/bash
# Prints the size of a program and the share of its biggest contributors,
# from its link map: what each input (library, object, resources) placed in
# the image, grouped by the library it came from. Code that link-time
# optimisation compiled together (the program and the libraries built with
# LTO code) counts as one contributor.
#
#   program-size.sh PROGRAM MAP [BUDGET_BYTES]
set -euo pipefail
program=${1:?usage: program-size.sh PROGRAM MAP [BUDGET_BYTES]}
map=${2:?usage: program-size.sh PROGRAM MAP [BUDGET_BYTES]}
budget=${3:-}
size=$(stat -c %s "$program")
printf '%s: %s bytes\n' "$program" "$size"
if [ -n "$budget" ]; then
  awk -v s="$size" -v b="$budget" 'BEGIN {
    printf "  budget %d bytes: %s (%.1f %% used)\n", b, s <= b ? "within" : "OVER", 100 * s / b }'
fi
# Input sections follow "Linker script and memory map"; a long section name
# puts its address, size and file on the next line. Debug sections (address
# 0) and uninitialised data take no room in the file.
awk -v total="$size" '
  function hex(text, i, value) {
    value = 0
    for (i = 3; i <= length(text); ++i) value = value * 16 + index("0123456789abcdef", substr(text, i, 1)) - 1
    return value
  }
  function group(file) {
    if (file ~ /ltrans/) return "LTO code: the program and its libraries"
    if (file ~ /libstdc\+\+/) return "C++ runtime (libstdc++)"
    if (file ~ /libgcc/) return "GCC runtime (libgcc)"
    if (file ~ /libwinpthread/) return "winpthreads"
    if (file ~ /libcrypto/) return "OpenSSL libcrypto"
    if (file ~ /libjsoncpp/) return "jsoncpp"
    if (file ~ /libcurl/) return "libcurl"
    if (file ~ /libz\.a/) return "zlib"
    if (file ~ /\.res$|\.rc\.|\.rc$/) return "resources"
    if (file ~ /libmingw|libmsvcrt|crt[0-9a-z]*\.o|libmoldname/) return "mingw C runtime"
    if (file ~ /\/lib\/lib[a-z0-9_]+\.a\(/) return "Windows import stubs"
    if (file ~ /\.obj$|\.o$/) return "the program (no LTO)"
    return "other"
  }
  function add(section, address, bytes, file) {
    if (address == 0 || bytes == 0 || section ~ /^[.]bss|^COMMON/) return
    sum[group(file)] += bytes
    counted += bytes
  }
  /^Linker script and memory map/ { on = 1; next }
  !on { next }
  /^ [.A-Z][^ ]* +0x[0-9a-f]+ +0x[0-9a-f]+ / { add($1, hex($2), hex($3), $4); next }
  /^ [.A-Z][^ ]*$/ { pending = $1; next }
  pending != "" && /^ +0x[0-9a-f]+ +0x[0-9a-f]+ / { add(pending, hex($1), hex($2), $3) }
  { pending = "" }
  END {
    sum["headers, alignment, imports, relocations"] = total - counted
    for (g in sum) if (sum[g] > 0) printf "%d\t%s\n", sum[g], g
  }' "$map" | sort -rn | head -n 8 |
  awk -F'\t' -v total="$size" '{ printf "  %9d bytes %5.1f %%  %s\n", $1, 100 * $1 / total, $2 }'
