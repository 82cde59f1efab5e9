# Part of the main build: every kept input of every fuzz target (fuzz/corpus/<target>/ and
# fuzz/regressions/<target>/) fed to its target with the ordinary compiler; and, where clang
# and libFuzzer are installed, a short fuzz run of every target.
file(GLOB kelvane_fuzz_targets CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/targets/*.cpp)
add_executable(fuzz_replay ${CMAKE_CURRENT_LIST_DIR}/replay.cpp
                           ${CMAKE_CURRENT_LIST_DIR}/fuzzsupport.cpp ${kelvane_fuzz_targets})
target_link_libraries(fuzz_replay PRIVATE kelvane_core)
target_compile_definitions(fuzz_replay PRIVATE KELVANE_FUZZ_DIR="${CMAKE_CURRENT_LIST_DIR}")
add_test(NAME fuzz_replay COMMAND fuzz_replay)
set_tests_properties(fuzz_replay PROPERTIES LABELS unit TIMEOUT 120)

find_program(KELVANE_CLANGXX NAMES clang++ clang++-14)
file(GLOB kelvane_libfuzzer /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-*.a)
if(KELVANE_CLANGXX AND kelvane_libfuzzer)
    add_test(NAME fuzz_short COMMAND ${PROJECT_SOURCE_DIR}/dev fuzz 10)
    set_tests_properties(fuzz_short PROPERTIES LABELS fuzz TIMEOUT 900)
endif()
