# The window layer: windows and buttons from a definition, the object that
# runs a window (open step, message loop, close step), the message box,
# dialog units and the program's icon.
list(APPEND QUILLET_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dialog_units.cpp
    ${CMAKE_CURRENT_LIST_DIR}/icon_name.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_box_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_text.cpp
)
list(APPEND QUILLET_WINDOWS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/application_icon_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/flat_button_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_box_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_box_window_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_class_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_font_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_geometry_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_runner_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_win32.cpp
)
