# Thin adapters to the Windows services the program uses: the registry, the
# private-profile (INI) service, the shell, the system parameters, the
# clipboard, the library search path, and owners for their handles.
list(APPEND QUILLET_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/registry_data.cpp
)
list(APPEND QUILLET_WINDOWS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/clipboard_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dll_search_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/private_profile_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registry_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_parameters_win32.cpp
)
