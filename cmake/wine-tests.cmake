# Windows-side tests run under Wine through CTest's cross-compiling emulator,
# in a 64-bit prefix of their own inside the build tree; the i686 build's
# tests run there through WoW64.
include(GoogleTest)

set(QUILLET_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${QUILLET_WINEPREFIX})

# GoogleTest from Debian's sources, built with the cross compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The prefix is stopped (and its registry flushed) after the last test.
add_test(NAME wineprefix_stop COMMAND sh -c "WINEPREFIX=${QUILLET_WINEPREFIX} wineserver -k || true")
set_tests_properties(wineprefix_stop PROPERTIES FIXTURES_CLEANUP wineprefix)

# A GoogleTest executable whose tests CTest lists and runs one by one under
# Wine, labelled with its tier (win or e2e) so that each tier runs on its own.
function(quillet_wine_gtest target tier)
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
    quillet_warnings(${target})
    gtest_discover_tests(${target}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        PROPERTIES FIXTURES_REQUIRED wineprefix RUN_SERIAL TRUE TIMEOUT 120 LABELS ${tier} ${ARGN})
endfunction()
