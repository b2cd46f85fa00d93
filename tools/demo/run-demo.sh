#!/bin/bash
# The demo: a whole installation under wine against the local deployment.
# Called by ./lumo demo with the wine harness already up (WINEPREFIX and
# DISPLAY exported, the deployment's CA trusted in the prefix).
#
#   run-demo.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../deployment/start-deployment.sh"
build=${1:?usage: run-demo.sh BUILD_DIR}
win64=$build/win64
demo=$build/demo
port=$(sed -n 's/^LUMO_DEPLOYMENT_PORT:STRING=//p' "$win64/CMakeCache.txt")
folder='C:\Program Files\LumoGameBrowser'
linux_folder="$WINEPREFIX/drive_c/Program Files/LumoGameBrowser"

wine() { HOME=$WINEPREFIX.home /usr/lib/wine/wine64 "$@"; }

# Every demo starts as on a machine without the browser.
rm -rf "$demo" "$linux_folder"
mkdir -p "$demo"
wine reg delete 'HKCR\SOFTWARE\LumoGameBrowser' /f >/dev/null 2>&1 || true

# Wine runs no desktop shell; the installer starts the browser with the
# shell's token, so a stand-in plays it.
wine "$win64/tools/wine/desktop_shell.exe" >"$demo/shell.out" 2>&1 &
shell=$!
trap 'kill $shell 2>/dev/null || true' EXIT
lumo_start_deployment "$build" "$demo/deployment.out" --port "$port" \
  --package "$win64/tools/demo/demo_package.exe" --slow-ms 40 --stats-log "$demo/statistics.log"
trap 'kill $DEPLOYMENT_PID $shell 2>/dev/null || true' EXIT
echo "==> local deployment: $(cat "$demo/deployment.out")"

echo "==> installing into $folder"
wine "$win64/tools/headless/headless_install.exe" "$folder"
# The demo browser records its start a moment after it is launched.
for _ in $(seq 50); do
  [ -f "$linux_folder/browser-receipt.txt" ] && break
  sleep 0.1
done

echo "==> statistics service log ($demo/statistics.log), the report read back:"
sed -n 's/.*"query":"\([^"]*\)".*/\1/p' "$demo/statistics.log" | head -n 1 |
  "$build/native/tools/lumo-report" verify -
echo "==> package receipt"
cat "$linux_folder/package-receipt.txt"
echo "==> browser receipt"
cat "$linux_folder/browser-receipt.txt" 2>/dev/null || echo "(the browser was not started)"
