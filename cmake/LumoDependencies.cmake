# Finds the libraries the project links, as the same targets in every tree:
#   lumo::crypto   OpenSSL libcrypto (AES-CBC, MD5)
#   lumo::jsoncpp  jsoncpp
#   lumo::zlib     zlib (raw inflate)
#   lumo::stb      stb_image (header only)
#   lumo::curl     libcurl (global init and clean-up), Windows only
# Windows builds take static libraries from LUMO_DEPS_PREFIX, which the
# bootstrap fills; native builds take Debian's packages.

if(WIN32)
  set(OPENSSL_ROOT_DIR ${LUMO_DEPS_PREFIX})
  set(OPENSSL_USE_STATIC_LIBS ON)
  set(ZLIB_USE_STATIC_LIBS ON)
endif()

find_package(OpenSSL 3.0 REQUIRED COMPONENTS Crypto)
find_package(Threads REQUIRED)
find_package(ZLIB REQUIRED)
find_package(jsoncpp CONFIG REQUIRED)
find_path(LUMO_STB_INCLUDE_DIR stb_image.h PATHS /usr/include/stb NO_CMAKE_FIND_ROOT_PATH REQUIRED)

add_library(lumo_crypto INTERFACE)
target_link_libraries(lumo_crypto INTERFACE OpenSSL::Crypto)
add_library(lumo::crypto ALIAS lumo_crypto)

add_library(lumo_jsoncpp INTERFACE)
if(TARGET jsoncpp_static)
  target_link_libraries(lumo_jsoncpp INTERFACE jsoncpp_static)
else()
  target_link_libraries(lumo_jsoncpp INTERFACE jsoncpp_lib)
endif()
add_library(lumo::jsoncpp ALIAS lumo_jsoncpp)

add_library(lumo::zlib ALIAS ZLIB::ZLIB)

add_library(lumo_stb INTERFACE)
target_include_directories(lumo_stb SYSTEM INTERFACE ${LUMO_STB_INCLUDE_DIR})
add_library(lumo::stb ALIAS lumo_stb)

if(WIN32)
  # libcrypto's Windows entropy and socket code need these after it.
  target_link_libraries(lumo_crypto INTERFACE ws2_32 crypt32 bcrypt)
  find_package(CURL CONFIG REQUIRED)
  add_library(lumo::curl ALIAS CURL::libcurl)
endif()

if(LUMO_BUILD_TESTS)
  find_package(GTest CONFIG REQUIRED)
endif()
