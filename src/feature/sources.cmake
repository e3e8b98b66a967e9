# feature
list(APPEND QUILLET_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/check_message.cpp
)
list(APPEND QUILLET_WINDOWS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/feature_switch_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_message_win32.cpp
)
