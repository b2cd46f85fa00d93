#!/bin/bash
# Installs the Debian packages the build and the tests need, and enables the
# deb-src entries that the cross-built dependencies are fetched from.
# Idempotent: does nothing when everything is already installed.
set -euo pipefail
. "$(dirname "$0")/common.sh"

PACKAGES=(
  # toolchains and build tools
  cmake ninja-build pkg-config g++ clang libclang-rt-14-dev clang-format dpkg-dev perl
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
  # running and watching Windows programs
  wine64 xvfb xdotool imagemagick fonts-wqy-microhei
  # rendering the skin's pictures from their sources
  librsvg2-bin optipng
  # libraries: native, and the ones Debian ships for mingw
  libz-mingw-w64-dev zlib1g-dev libstb-dev googletest libgtest-dev
  libssl-dev openssl libjsoncpp-dev libbenchmark-dev libcpp-httplib-dev libpugixml-dev
  # seed archives for the ZIP reader's fuzzer; the download benchmark's baseline
  zip curl
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sources=/etc/apt/sources.list.d/debian.sources
need_src=0
if [ -f "$sources" ] && ! grep -q '^Types:.*deb-src' "$sources"; then
  need_src=1
fi

if [ ${#missing[@]} -eq 0 ] && [ $need_src -eq 0 ]; then
  echo "==> Debian packages: all present"
  exit 0
fi

if [ $need_src -eq 1 ]; then
  lumo_step_start "enable deb-src in $sources"
  lumo_as_root sed -i 's/^Types: deb$/Types: deb deb-src/' "$sources"
  lumo_step_end
fi

lumo_step_start "apt-get update"
lumo_as_root apt-get update -qq
lumo_step_end

if [ ${#missing[@]} -gt 0 ]; then
  lumo_step_start "apt-get install ${missing[*]}"
  lumo_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  lumo_step_end
fi
