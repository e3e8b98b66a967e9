# Program start-up and shutdown, and the main window.
list(APPEND QUILLET_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/startup_sequence.cpp
)
list(APPEND QUILLET_WINDOWS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/main_window_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_definition.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startup_win32.cpp
)
