# The installer runs elevated from the user's Downloads folder, where Windows
# looks for a program's DLLs first. A program made with lumo_system_dlls_only:
#   - imports only the system's known DLLs (loaded from the system whatever
#     lies beside the program) in the ordinary way;
#   - imports every other system DLL it uses with a delay, through
#     delay-import libraries that stand in for mingw-w64's import libraries
#     of the same names (so a library asking for "-lwininet" gets them too);
#   - starts at an entry point of its own (app/system_dll_entry.cpp) that
#     restricts the DLL search to System32 before the C runtime starts, and
#     loads the delayed DLLs from there.

# The non-known system DLLs the installer's code and its libraries use (the
# native tree's tests plant DLLs of these names).
set(LUMO_DELAY_LOADED_DLLS bcrypt comctl32 crypt32 gdiplus iphlpapi oleacc version wininet)

if(NOT WIN32)
  return()
endif()

set(LUMO_DELAY_IMPORT_DIR ${CMAKE_BINARY_DIR}/delay-import)

set(delay_libraries)
foreach(dll IN LISTS LUMO_DELAY_LOADED_DLLS)
  find_library(LUMO_IMPORT_LIBRARY_${dll} NAMES lib${dll}.a REQUIRED)
  set(output ${LUMO_DELAY_IMPORT_DIR}/lib${dll}.a)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${PROJECT_SOURCE_DIR}/tools/build/delay-import-library.sh ${LUMO_TRIPLET}
            ${LUMO_IMPORT_LIBRARY_${dll}} ${dll}.dll ${output}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/build/delay-import-library.sh
    COMMENT "Delay-import library of ${dll}.dll"
    VERBATIM)
  list(APPEND delay_libraries ${output})
endforeach()
add_custom_target(lumo_delay_import_libraries DEPENDS ${delay_libraries})
set(LUMO_DELAY_IMPORT_LIBRARIES ${delay_libraries})

# lumo_system_dlls_only(TARGET GUI|CONSOLE)
function(lumo_system_dlls_only target kind)
  if(kind STREQUAL "GUI")
    set(entry LumoGuiEntry)
  else()
    set(entry LumoConsoleEntry)
  endif()
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(entry _${entry})  # the C prefix of i686 names
  endif()
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/app/system_dll_entry.cpp)
  # Searched before mingw-w64's own folder of import libraries.
  target_link_directories(${target} BEFORE PRIVATE ${LUMO_DELAY_IMPORT_DIR})
  target_link_options(${target} PRIVATE -Wl,-e,${entry})
  add_dependencies(${target} lumo_delay_import_libraries)
  # A library made or changed later still relinks the program.
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${LUMO_DELAY_IMPORT_LIBRARIES})
endfunction()
