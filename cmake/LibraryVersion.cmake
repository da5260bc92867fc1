# A library that reports its own version gets it from the project version as
# GK_LIBRARY_VERSION_MAJOR/MINOR/REVISION; a missing patch number counts as 0.
function(gk_library_version target)
    set(revision ${PROJECT_VERSION_PATCH})
    if(NOT revision)
        set(revision 0)
    endif()
    target_compile_definitions(${target} PRIVATE
        GK_LIBRARY_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
        GK_LIBRARY_VERSION_MINOR=${PROJECT_VERSION_MINOR}
        GK_LIBRARY_VERSION_REVISION=${revision}
    )
endfunction()
