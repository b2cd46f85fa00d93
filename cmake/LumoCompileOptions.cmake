# Warnings, sanitizers and the Windows target settings shared by every target.

add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                    -Wcast-qual -Wformat=2 -Werror)

if(WIN32)
  # Windows 7 is the newest system the program declares; UTF-16 everywhere.
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                          _WIN32_WINNT=0x0601 WINVER=0x0601)
  add_compile_options(-ffunction-sections -fdata-sections)
  # No DLL beside the program: the C++ runtime and winpthreads go in statically.
  add_link_options(-static -static-libgcc -static-libstdc++
                   -Wl,--gc-sections)
  if(CMAKE_BUILD_TYPE STREQUAL "MinSizeRel")
    # The shipped tree: optimised across the program and the libraries (whose
    # archives carry LTO code) in one partition (more crash GCC 12), without
    # the unwind tables that keep mingw's linker from dropping unused code.
    # Each program leaves its link map, from which the build reports where
    # its bytes go.
    set(CMAKE_INTERPROCEDURAL_OPTIMIZATION ON)
    add_compile_options(-fno-asynchronous-unwind-tables)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/maps)
    add_link_options(-flto-partition=one
                     -Wl,-Map=${CMAKE_BINARY_DIR}/maps/$<TARGET_PROPERTY:NAME>.map)
  endif()
elseif(NOT LUMO_BUILD_BENCHMARKS)
  # Every native target is a test or a tool: build them all checked.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(LUMO_BUILD_FUZZERS)
  # Coverage for libFuzzer in everything the fuzz targets link.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
