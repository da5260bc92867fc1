# Every target of the project gets the same strict warnings; they are fixed, not silenced.
function(gk_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
endfunction()
