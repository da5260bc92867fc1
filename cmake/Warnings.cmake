# Every target of the project gets the same strict warnings; they are fixed, not silenced.
function(gk_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
    # GCC 12 warns about its own std::string concatenation once it is inlined at -O2 (GCC bug 105651,
    # mended in GCC 13): a warning on the library's code, not ours.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()
