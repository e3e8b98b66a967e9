# The framework layer and every Windows call.
list(APPEND QUILLET_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dialog_units.cpp
)
list(APPEND QUILLET_WINDOWS_SOURCES
)
