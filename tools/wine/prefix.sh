#!/bin/bash
# Makes sure PREFIX is a wine prefix ready for the tests: created with
# wineboot, the skin's Chinese face mapped to WenQuanYi Micro Hei and linked
# from Tahoma, and its windows unmanaged. Never touches any other prefix.
# Safe to call concurrently.
#
#   prefix.sh PREFIX
set -euo pipefail
prefix=${1:?usage: prefix.sh PREFIX}
# Wine links the prefix's Desktop and Documents to $HOME's: give it a home
# of its own so that nothing a test does lands in the user's.
export WINEPREFIX=$prefix HOME=$prefix.home WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64

mkdir -p "$(dirname "$prefix")" "$HOME"
exec 9>"$prefix.lock"
flock 9
# The mark names the layout of the prefix, so prefixes made before a change
# of it are made anew.
mark=$prefix/.lumo-ready-3
[ -f "$mark" ] && exit 0

# A prefix without the mark is a creation that was cut short: start over.
rm -rf "$prefix"
echo "==> creating wine prefix $prefix" >&2
t0=$(date +%s)
"$wine" wineboot -i >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v '微软雅黑' /t REG_SZ \
  /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
"$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
  /v Tahoma /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
# Xvfb has no window manager, and wine waits for one (about 2 s) whenever a
# managed window that was shown with activation hides or goes; unmanaged
# windows go at once.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
# The registry reaches the disk when the prefix's server ends; without a
# persistent server of the harness running, that is now.
/usr/lib/wine/wineserver -w || true
touch "$mark"
echo "    wine prefix: $(($(date +%s) - t0)) s" >&2
