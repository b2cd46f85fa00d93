#!/bin/bash
# A report built by the Windows program under wine, checked by the native
# operators' tool.
#   verify_wine_report.sh WINE_RUN PRINT_PROGRAM LUMO_REPORT
set -euo pipefail
wine_run=$1 program=$2 tool=$3
[ -x "$tool" ] || { echo "no native tool at $tool: build the native tree" >&2; exit 1; }
query=$("$wine_run" "$program" | tr -d '\r')
printf '%s\n' "$query"
printf '%s\n' "$query" | "$tool" verify
