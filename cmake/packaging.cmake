# What ships, and where Quillet is started from.
#
# - The release zip (CPack's ZIP generator, made by scripts/release.sh):
#   Quillet-<version>-<win64|win32>.zip with quillet.exe, README.txt,
#   LICENSE.txt and the sample test.eml side by side in one top folder.
# - Reproducible output: two builds of one commit give byte-identical exes and
#   zips. The linker writes no time stamp into the PE header (windres writes
#   none into the resources), and every file in the zip gets one fixed time,
#   SOURCE_DATE_EPOCH, by default the time of the commit.
# - The run folder, build/<preset>/run: a copy of test.eml that Quillet finds
#   in its current directory when scripts/run.sh starts it there.
if(NOT WIN32)
    return()
endif()

target_link_options(quillet PRIVATE LINKER:--no-insert-timestamp)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUILLET_RELEASE_ARCHITECTURE win64)
else()
    set(QUILLET_RELEASE_ARCHITECTURE win32)
endif()

# The time every file in the zip carries: SOURCE_DATE_EPOCH when the caller
# sets it (scripts/release.sh sets the commit's), else the commit's time as
# of this configure, else the earliest time a zip can hold.
set(QUILLET_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(QUILLET_SOURCE_DATE_EPOCH STREQUAL "")
    execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE QUILLET_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_status ERROR_QUIET)
    if(NOT git_status EQUAL 0 OR QUILLET_SOURCE_DATE_EPOCH STREQUAL "")
        set(QUILLET_SOURCE_DATE_EPOCH 315532800)  # 1980-01-01, the start of a zip's clock
    endif()
endif()

# The licence reaches Windows users with CRLF line ends, as README.txt has.
set(quillet_release_files ${CMAKE_BINARY_DIR}/release-files)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence_text)
file(CONFIGURE OUTPUT ${quillet_release_files}/LICENSE.txt CONTENT "${licence_text}" @ONLY NEWLINE_STYLE CRLF)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS quillet RUNTIME DESTINATION . COMPONENT quillet_release)
install(FILES ${PROJECT_SOURCE_DIR}/docs/user/README.txt ${quillet_release_files}/LICENSE.txt
              ${PROJECT_SOURCE_DIR}/res/test.eml
        DESTINATION . COMPONENT quillet_release)

# Read by CPack when it runs: the archive writer gives every file in the zip
# the time SOURCE_DATE_EPOCH (modification, access and change time alike), so
# the zip does not depend on when it was made. The zip's DOS time fields are
# local time, hence one time zone for every build.
file(CONFIGURE OUTPUT ${quillet_release_files}/cpack-options.cmake CONTENT [=[
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    set(ENV{SOURCE_DATE_EPOCH} @QUILLET_SOURCE_DATE_EPOCH@)
endif()
set(ENV{TZ} UTC)
]=] @ONLY)

set(CPACK_GENERATOR ZIP)
set(CPACK_SOURCE_GENERATOR "")
set(CPACK_PACKAGE_NAME Quillet)
set(CPACK_PACKAGE_VENDOR "The Quillet developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Quillet-${PROJECT_VERSION}-${QUILLET_RELEASE_ARCHITECTURE})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Quillet;quillet_release;/")
set(CPACK_PROJECT_CONFIG_FILE ${quillet_release_files}/cpack-options.cmake)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)

# The run folder holds a copy of the sample; a test.eml already there (the
# user's own, or one they edited) is left as it is.
set(QUILLET_RUN_FOLDER ${CMAKE_BINARY_DIR}/run)
add_custom_target(quillet_run_folder ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILLET_RUN_FOLDER}
    COMMAND sh -c "test -e \"$1\" || cp \"$2\" \"$1\"" copy-if-absent
            ${QUILLET_RUN_FOLDER}/test.eml ${PROJECT_SOURCE_DIR}/res/test.eml
    VERBATIM)

# The end-to-end tests read the exe's version resource back (version.dll) and
# compare it with the project version; they start Quillet in the run folder.
if(TARGET e2e_tests)
    target_link_libraries(e2e_tests PRIVATE version)
    target_include_directories(e2e_tests PRIVATE ${PROJECT_SOURCE_DIR}/res ${PROJECT_BINARY_DIR}/generated)
    add_dependencies(e2e_tests quillet_run_folder)
endif()

# Tests of what ships, run with the Windows tests (no Wine needed). The
# reproducibility check builds quillet.exe twice from scratch (about a minute
# of CPU on 2 cores); scripts/release.sh compares the zips as well.
# The two builds from scratch run for the 64-bit exe only; scripts/release.sh
# does it for both architectures.
if(QUILLET_WINDOWS_TESTS)
    add_test(NAME RunFolderKeepsAnExistingTestEml
             COMMAND ${PROJECT_SOURCE_DIR}/tests/release/run_folder_copy_test.sh
                     ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR}/res/test.eml)
    set_tests_properties(RunFolderKeepsAnExistingTestEml PROPERTIES LABELS release RUN_SERIAL TRUE)
    # The release exe's size limit and its imports: Windows' own DLLs only.
    if(CMAKE_BUILD_TYPE STREQUAL "Release")
        if(QUILLET_RELEASE_ARCHITECTURE STREQUAL "win64")
            set(quillet_size_limit 131072)
        else()
            set(quillet_size_limit 163840)
        endif()
        add_test(NAME ReleaseExeSizeAndImports
                 COMMAND ${PROJECT_SOURCE_DIR}/tests/release/exe_contents_test.sh
                         ${CMAKE_OBJDUMP} $<TARGET_FILE:quillet> ${quillet_size_limit})
        set_tests_properties(ReleaseExeSizeAndImports PROPERTIES LABELS release)
    endif()
    if(QUILLET_RELEASE_ARCHITECTURE STREQUAL "win64")
        add_test(NAME ReproducibleExe
                 COMMAND ${PROJECT_SOURCE_DIR}/tests/release/reproducible_build.sh
                         ${QUILLET_RELEASE_ARCHITECTURE} ${CMAKE_BINARY_DIR}/reproducible)
        set_tests_properties(ReproducibleExe PROPERTIES LABELS release RUN_SERIAL TRUE TIMEOUT 1200)
    endif()
endif()
