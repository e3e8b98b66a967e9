# The framework layer and every Windows call.
list(APPEND QUILLET_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dialog_units.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_box_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registry_data.cpp
    ${CMAKE_CURRENT_LIST_DIR}/error_manager.cpp
    ${CMAKE_CURRENT_LIST_DIR}/icon_name.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_matcher.cpp
    ${CMAKE_CURRENT_LIST_DIR}/thread_state.cpp
)
list(APPEND QUILLET_WINDOWS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/clipboard_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dll_search_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_box_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_box_window_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registry_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/application_icon_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/flat_button_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_parameters_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_font_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_geometry_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_procedure_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/private_profile_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell_win32.cpp
)
