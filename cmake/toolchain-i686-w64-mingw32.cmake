# Cross toolchain for the i686 Windows build (mingw-w64 with posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(LUMO_TRIPLET i686-w64-mingw32)

set(CMAKE_C_COMPILER ${LUMO_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUMO_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LUMO_TRIPLET}-windres)

# Libraries and headers come from the mingw sysroot and from the prefix of
# dependencies the bootstrap built (LUMO_DEPS_PREFIX); programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${LUMO_TRIPLET} ${LUMO_DEPS_PREFIX})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LUMO_DEPS_PREFIX)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
