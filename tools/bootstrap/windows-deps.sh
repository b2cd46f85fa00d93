#!/bin/bash
# Builds the static Windows dependencies for one mingw triplet from Debian's
# source packages: OpenSSL libcrypto (AES-CBC and MD5 only), jsoncpp, libcurl
# (global init and clean-up only) and GoogleTest.
#
#   windows-deps.sh TRIPLET   fills ~/.cache/lumo/TRIPLET/deps
#
# Each library lands in its own prefix under ~/.cache/lumo (or
# $LUMO_CACHE), keyed by the source tarball and a digest of the options and
# compiler flags below, then all are linked into one prefix per triplet. A
# prefix that exists is reused, so a second run takes a moment.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

triplet=${1:?usage: windows-deps.sh TRIPLET}
root=$(cd "$here/../.." && pwd)
cache=${LUMO_CACHE:-$HOME/.cache/lumo}
src_dir=$cache/src
jobs=$(nproc)
toolchain=$root/cmake/toolchain-$triplet.cmake

# The C libraries are built for size, each function and datum in a section
# of its own so that the program's link drops what it never calls. Without
# unwind tables: mingw's linker keeps every .eh_frame entry and with it the
# function it describes, which defeats --gc-sections. The shipped triplet's
# libraries also carry LTO code, so the release link optimises across them.
LEAN_FLAGS="-Os -ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables"
case $triplet in
  i686-w64-mingw32) openssl_target=mingw lean_flags="$LEAN_FLAGS -flto" ;;
  x86_64-w64-mingw32) openssl_target=mingw64 lean_flags="$LEAN_FLAGS" ;;
  *) lumo_die "unknown triplet $triplet" ;;
esac
# jsoncpp throws and catches inside itself: a C++ library keeps its unwind
# tables (without them x86_64 GCC even falls back to setjmp/longjmp
# exceptions, which the runtime lacks).
cxx_flags=${lean_flags/ -fno-asynchronous-unwind-tables/}
# Static archives of LTO objects need the compiler's archiver for their index.
ar=$triplet-gcc-ar
ranlib=$triplet-gcc-ranlib

OPENSSL_OPTIONS="no-shared no-asm no-tests no-module no-legacy no-engine no-dso
  no-ssl no-tls no-dtls no-sock no-autoload-config no-ui-console no-comp
  no-deprecated no-err no-filenames no-stdio no-ocsp no-ct no-cms no-ts
  no-rfc3779 no-srtp no-psk no-srp no-aria no-bf no-blake2 no-camellia no-cast
  no-chacha no-cmac no-des no-dh no-dsa no-ec no-ec2m no-gost no-idea no-md4
  no-mdc2 no-ocb no-poly1305 no-rc2 no-rc4 no-rmd160 no-scrypt no-seed
  no-siphash no-siv no-sm2 no-sm3 no-sm4 no-whirlpool no-multiblock no-async
  no-autoerrinit no-cmp no-ktls no-secure-memory -DOPENSSL_SMALL_FOOTPRINT"
JSONCPP_OPTIONS="-DBUILD_SHARED_LIBS=OFF -DBUILD_STATIC_LIBS=ON -DBUILD_OBJECT_LIBS=OFF
  -DJSONCPP_WITH_TESTS=OFF -DJSONCPP_WITH_POST_BUILD_UNITTEST=OFF
  -DJSONCPP_WITH_PKGCONFIG_SUPPORT=OFF -DJSONCPP_WITH_EXAMPLE=OFF"
CURL_OPTIONS="-DBUILD_SHARED_LIBS=OFF -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF
  -DHTTP_ONLY=ON -DCURL_ENABLE_SSL=OFF -DCURL_USE_OPENSSL=OFF -DCURL_ZLIB=OFF
  -DCURL_USE_LIBSSH2=OFF -DUSE_LIBIDN2=OFF -DUSE_NGHTTP2=OFF -DCURL_BROTLI=OFF
  -DCURL_ZSTD=OFF -DENABLE_UNIX_SOCKETS=OFF -DCURL_DISABLE_LDAP=ON
  -DENABLE_MANUAL=OFF -DCURL_CA_PATH=none -DCURL_CA_BUNDLE=none
  -DENABLE_IPV6=OFF -DENABLE_THREADED_RESOLVER=OFF -DCURL_WINDOWS_SSPI=OFF
  -DCURL_DISABLE_ALTSVC=ON -DCURL_DISABLE_COOKIES=ON -DCURL_DISABLE_CRYPTO_AUTH=ON
  -DCURL_DISABLE_DICT=ON -DCURL_DISABLE_DOH=ON -DCURL_DISABLE_FILE=ON -DCURL_DISABLE_FTP=ON
  -DCURL_DISABLE_GETOPTIONS=ON -DCURL_DISABLE_GOPHER=ON -DCURL_DISABLE_HSTS=ON
  -DCURL_DISABLE_HTTP_AUTH=ON -DCURL_DISABLE_IMAP=ON -DCURL_DISABLE_LDAPS=ON
  -DCURL_DISABLE_LIBCURL_OPTION=ON -DCURL_DISABLE_MIME=ON -DCURL_DISABLE_MQTT=ON
  -DCURL_DISABLE_NETRC=ON -DCURL_DISABLE_NTLM=ON -DCURL_DISABLE_PARSEDATE=ON
  -DCURL_DISABLE_POP3=ON -DCURL_DISABLE_PROGRESS_METER=ON -DCURL_DISABLE_PROXY=ON
  -DCURL_DISABLE_RTSP=ON -DCURL_DISABLE_SHUFFLE_DNS=ON -DCURL_DISABLE_SMB=ON
  -DCURL_DISABLE_SMTP=ON -DCURL_DISABLE_SOCKETPAIR=ON -DCURL_DISABLE_TELNET=ON
  -DCURL_DISABLE_TFTP=ON -DCURL_DISABLE_VERBOSE_STRINGS=ON"
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

# The prefix of one library: its tarball, options, compiler and flags decide
# the name.
prefix_of() {
  local name=$1 source=$2 options=$3 flags=$4 key
  key=$(printf '%s\n%s\n%s\n%s\n' "$(source_id "$source")" "$options" \
    "$("$triplet-gcc-posix" -dumpfullversion)" "$flags" | sha256sum | cut -c1-12)
  echo "$cache/$triplet/$name-$key"
}

unpack() {
  local tarball=$1 work=$2
  rm -rf "$work" && mkdir -p "$work"
  tar -xf "$tarball" -C "$work" --strip-components=1
}

build_openssl() {
  local prefix=$1 work=$2 lean_flags=$4
  # Flags after the target's own (-O3) win; AR and RANLIB get the prefix.
  (cd "$work" && AR=gcc-ar RANLIB=gcc-ranlib ./Configure "$openssl_target" \
    --cross-compile-prefix="$triplet-" --prefix="$prefix" --libdir=lib $OPENSSL_OPTIONS \
    $lean_flags &&
    make -j"$jobs" build_libs && make install_dev)
  # libssl is never used; only libcrypto is linked.
  rm -f "$prefix"/lib/libssl.a
}

# build_with_cmake PREFIX WORK OPTIONS [FLAGS]: MinSizeRel adds -Os -DNDEBUG.
build_with_cmake() {
  local prefix=$1 work=$2 options=$3 flags=${4:-}
  CFLAGS=$flags CXXFLAGS=$flags cmake -S "$work" -B "$work/build" -G Ninja \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_AR="$(command -v "$ar")" \
    -DCMAKE_RANLIB="$(command -v "$ranlib")" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" $options &&
    cmake --build "$work/build" -j "$jobs" && cmake --install "$work/build"
}

# ensure NAME TARBALL OPTIONS FLAGS BUILDER: builds NAME into its prefix
# unless it is there already, and links the prefix into the triplet's merged
# prefix.
ensure() {
  local name=$1 tarball=$2 options=$3 flags=$4 builder=$5 prefix work
  prefix=$(prefix_of "$name" "$tarball" "$options" "$flags")
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
    if ! "$builder" "$prefix" "$work" "$options" "$flags" >"$work.log" 2>&1; then
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
ensure openssl "$(tarball_of openssl)" "$OPENSSL_OPTIONS" "$lean_flags" build_openssl
ensure jsoncpp "$(tarball_of libjsoncpp)" "$JSONCPP_OPTIONS" "$cxx_flags" build_with_cmake
ensure curl "$(tarball_of curl)" "$CURL_OPTIONS" "$lean_flags" build_with_cmake
# GoogleTest is only linked into tests: built as it comes.
ensure googletest /usr/src/googletest "$GTEST_OPTIONS" "" build_with_cmake

# One prefix for the project to search, made of copies of the libraries'
# prefixes; remade only when one of them changed.
if ! cmp -s "$merged.list.new" "$merged.list" 2>/dev/null || [ ! -d "$merged" ]; then
  rm -rf "$merged" && mkdir -p "$merged"
  while read -r p; do cp -r "$p"/. "$merged"; done <"$merged.list.new"
  mv "$merged.list.new" "$merged.list"
else
  rm -f "$merged.list.new"
fi

