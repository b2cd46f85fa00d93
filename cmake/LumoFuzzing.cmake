# libFuzzer targets, built only in the clang tree (build/fuzz,
# LUMO_BUILD_FUZZERS). Each one gets a run script,
# fuzz-<target>.sh [SECONDS], which fuzzes from the committed seeds (kept
# apart from the corpus it grows in the build tree) and fails on a crash,
# and a test that runs it for $LUMO_FUZZ_SECONDS (60 unless set).
add_custom_target(fuzzers)

# lumo_fuzzer(NAME LIBRARY SEEDS [libFuzzer options...]): NAME.cpp of the
# current folder fuzzing LIBRARY from the seeds in corpus/SEEDS.
function(lumo_fuzzer name library seeds)
  add_executable(${name} ${name}.cpp)
  target_link_libraries(${name} PRIVATE ${library})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzzers ${name})
  set(script ${CMAKE_BINARY_DIR}/fuzz-${name}.sh)
  list(JOIN ARGN " " options)
  file(GENERATE OUTPUT ${script} CONTENT
       "#!/bin/sh\nexec ${PROJECT_SOURCE_DIR}/tools/fuzz/run-fuzzer.sh $<TARGET_FILE:${name}> \
${CMAKE_CURRENT_SOURCE_DIR}/corpus/${seeds} \"\${1:-\${LUMO_FUZZ_SECONDS:-60}}\" ${options}\n"
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                        WORLD_READ WORLD_EXECUTE)
  add_test(NAME fuzz.${name} COMMAND ${script})
  # libFuzzer keeps to its time; the limit only catches a hung run.
  set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 3600)
endfunction()

