# Warnings are errors for the program's own targets (not for GoogleTest's).
function(quillet_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Werror)
endfunction()
