# Program start-up and shutdown, and the main window.
list(APPEND QUILLET_WINDOWS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/startup_win32.cpp
)
