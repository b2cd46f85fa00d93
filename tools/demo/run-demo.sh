#!/bin/bash
# The demo: the real installer under wine against the local deployment.
# Called by ./lumo demo with the wine harness already up (WINEPREFIX and
# DISPLAY exported, the deployment's CA trusted in the prefix).
#
#   run-demo.sh BUILD_DIR [--interactive]
#
# With --interactive a person uses the installer on DISPLAY and the
# deployment stays up until the installer ends; otherwise the demo's own
# driver clicks through the main path and keeps a screenshot of each page.
set -euo pipefail
. "$(dirname "$0")/../deployment/start-deployment.sh"
build=${1:?usage: run-demo.sh BUILD_DIR [--interactive]}
interactive=${2:-}
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

if [ "$interactive" = --interactive ]; then
  echo "==> the installer is on $DISPLAY; the deployment stays up until it ends"
  wine "$win64/app/LumoGameBrowserSetup.exe" || true
else
  echo "==> the installer on a private display, driven through the main path"
  "$build/native/tools/demo/drive_installer" "$demo/screens"
  "$(dirname "$0")/../wine/contact-sheet.sh" "$demo/screens"
fi
# The demo browser records its start a moment after it is launched.
for _ in $(seq 50); do
  [ -f "$linux_folder/browser-receipt.txt" ] && break
  sleep 0.1
done

echo "==> statistics service log ($demo/statistics.log), the report read back:"
sed -n 's/.*"query":"\([^"]*\)".*/\1/p' "$demo/statistics.log" | head -n 1 |
  "$build/native/tools/lumo-report" verify -
echo "==> package receipt ($folder)"
cat "$linux_folder/package-receipt.txt" 2>/dev/null || echo "(no package ran)"
echo "==> browser receipt"
cat "$linux_folder/browser-receipt.txt" 2>/dev/null || echo "(the browser was not started)"
