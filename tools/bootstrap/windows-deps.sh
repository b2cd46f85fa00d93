#!/bin/bash
# Builds the static Windows dependencies for one mingw triplet from Debian's
# source packages: OpenSSL libcrypto (AES-CBC and MD5 only), jsoncpp, libcurl
# (global init and clean-up only) and GoogleTest.
#
#   windows-deps.sh TRIPLET   fills ~/.cache/lumo/TRIPLET/deps
#
# Each library lands in its own prefix under ~/.cache/lumo (or
# $LUMO_CACHE), keyed by the source tarball and a digest of the options
# below, then all are linked into one prefix per triplet. A prefix that
# exists is reused, so a second run takes a moment.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

triplet=${1:?usage: windows-deps.sh TRIPLET}
root=$(cd "$here/../.." && pwd)
cache=${LUMO_CACHE:-$HOME/.cache/lumo}
src_dir=$cache/src
jobs=$(nproc)
toolchain=$root/cmake/toolchain-$triplet.cmake

case $triplet in
  i686-w64-mingw32) openssl_target=mingw ;;
  x86_64-w64-mingw32) openssl_target=mingw64 ;;
  *) lumo_die "unknown triplet $triplet" ;;
esac

OPENSSL_OPTIONS="no-shared no-asm no-tests no-module no-legacy no-engine no-dso
  no-ssl no-tls no-dtls no-sock no-autoload-config no-ui-console no-comp
  no-deprecated no-err no-filenames no-stdio no-ocsp no-ct no-cms no-ts
  no-rfc3779 no-srtp no-psk no-srp no-aria no-bf no-blake2 no-camellia no-cast
  no-chacha no-cmac no-des no-dh no-dsa no-ec no-ec2m no-gost no-idea no-md4
  no-mdc2 no-ocb no-poly1305 no-rc2 no-rc4 no-rmd160 no-scrypt no-seed
  no-siphash no-siv no-sm2 no-sm3 no-sm4 no-whirlpool no-multiblock"
JSONCPP_OPTIONS="-DBUILD_SHARED_LIBS=OFF -DBUILD_STATIC_LIBS=ON -DBUILD_OBJECT_LIBS=OFF
  -DJSONCPP_WITH_TESTS=OFF -DJSONCPP_WITH_POST_BUILD_UNITTEST=OFF
  -DJSONCPP_WITH_PKGCONFIG_SUPPORT=OFF -DJSONCPP_WITH_EXAMPLE=OFF"
CURL_OPTIONS="-DBUILD_SHARED_LIBS=OFF -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF
  -DHTTP_ONLY=ON -DCURL_ENABLE_SSL=OFF -DCURL_USE_OPENSSL=OFF -DCURL_ZLIB=OFF
  -DCURL_USE_LIBSSH2=OFF -DUSE_LIBIDN2=OFF -DUSE_NGHTTP2=OFF -DCURL_BROTLI=OFF
  -DCURL_ZSTD=OFF -DENABLE_UNIX_SOCKETS=OFF -DCURL_DISABLE_LDAP=ON
  -DENABLE_MANUAL=OFF -DCURL_CA_PATH=none -DCURL_CA_BUNDLE=none"
GTEST_OPTIONS="-DBUILD_GMOCK=ON -DINSTALL_GTEST=ON"

fetch_sources() {
  if ls "$src_dir"/openssl_*.orig.tar.?z "$src_dir"/libjsoncpp_*.orig.tar.?z \
    "$src_dir"/curl_*.orig.tar.?z >/dev/null 2>&1; then
    return
  fi
  lumo_step_start "download Debian sources of openssl, libjsoncpp, curl"
  mkdir -p "$src_dir"
  # The .dsc of a security update may be missing on the mirror while its
  # tarballs are there, so a failing apt-get is judged by what arrived.
  (cd "$src_dir" && apt-get source --download-only openssl libjsoncpp curl >/dev/null 2>&1) || true
  ls "$src_dir"/openssl_*.orig.tar.?z "$src_dir"/libjsoncpp_*.orig.tar.?z \
    "$src_dir"/curl_*.orig.tar.?z >/dev/null || lumo_die "source download failed"
  lumo_step_end
}

tarball_of() {
  ls "$src_dir"/"$1"_*.orig.tar.?z | sort -V | tail -n 1
}

# A source is a Debian orig tarball, or an unpacked source tree installed by
# a Debian package (GoogleTest): named by the tarball or the package version.
source_id() {
  if [ -d "$1" ]; then
    dpkg-query -S "$1" | head -n 1 | cut -d: -f1 | xargs dpkg-query -W -f='${Package} ${Version}'
  else
    basename "$1"
  fi
}

# The prefix of one library: its tarball and options decide the name.
prefix_of() {
  local name=$1 source=$2 options=$3 key
  key=$(printf '%s\n%s\n%s\n' "$(source_id "$source")" "$options" \
    "$("$triplet-gcc-posix" -dumpfullversion)" | sha256sum | cut -c1-12)
  echo "$cache/$triplet/$name-$key"
}

unpack() {
  local tarball=$1 work=$2
  rm -rf "$work" && mkdir -p "$work"
  tar -xf "$tarball" -C "$work" --strip-components=1
}

build_openssl() {
  local prefix=$1 work=$2
  (cd "$work" && ./Configure "$openssl_target" --cross-compile-prefix="$triplet-" \
    --prefix="$prefix" --libdir=lib $OPENSSL_OPTIONS &&
    make -j"$jobs" build_libs && make install_dev)
  # libssl is never used; only libcrypto is linked.
  rm -f "$prefix"/lib/libssl.a
}

build_with_cmake() {
  local prefix=$1 work=$2 options=$3
  cmake -S "$work" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" $options &&
    cmake --build "$work/build" -j "$jobs" && cmake --install "$work/build"
}

# ensure NAME TARBALL OPTIONS BUILDER: builds NAME into its prefix unless it
# is there already, and links the prefix into the triplet's merged prefix.
ensure() {
  local name=$1 tarball=$2 options=$3 builder=$4 prefix work
  prefix=$(prefix_of "$name" "$tarball" "$options")
  if [ ! -f "$prefix/.complete" ]; then
    lumo_step_start "build $name for $triplet from $(source_id "$tarball")"
    work=$cache/work/$triplet-$name
    rm -rf "$prefix"
    if [ -d "$tarball" ]; then
      rm -rf "$work" && mkdir -p "$work" && cp -r "$tarball"/. "$work"
    else
      unpack "$tarball" "$work"
    fi
    # The builds are loud; their output is kept and shown only on failure.
    if ! "$builder" "$prefix" "$work" "$options" >"$work.log" 2>&1; then
      tail -n 40 "$work.log" >&2
      lumo_die "building $name failed; the whole log is $work.log"
    fi
    touch "$prefix/.complete"
    rm -rf "$work" "$work.log"
    lumo_step_end
  fi
  echo "$prefix" >>"$merged.list.new"
}

mkdir -p "$cache/$triplet"
# Two bootstraps at once (two checkouts, say) take turns per triplet.
exec 9>"$cache/$triplet.lock"
flock 9
fetch_sources
merged=$cache/$triplet/deps
rm -f "$merged.list.new"
ensure openssl "$(tarball_of openssl)" "$OPENSSL_OPTIONS" build_openssl
ensure jsoncpp "$(tarball_of libjsoncpp)" "$JSONCPP_OPTIONS" build_with_cmake
ensure curl "$(tarball_of curl)" "$CURL_OPTIONS" build_with_cmake
ensure googletest /usr/src/googletest "$GTEST_OPTIONS" build_with_cmake

# One prefix for the project to search, made of copies of the libraries'
# prefixes; remade only when one of them changed.
if ! cmp -s "$merged.list.new" "$merged.list" 2>/dev/null || [ ! -d "$merged" ]; then
  rm -rf "$merged" && mkdir -p "$merged"
  while read -r p; do cp -r "$p"/. "$merged"; done <"$merged.list.new"
  mv "$merged.list.new" "$merged.list"
else
  rm -f "$merged.list.new"
fi

