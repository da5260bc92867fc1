include(ShippingTargets)

# The *_internal targets open a library's private headers to its tests, benchmarks and fuzz targets.
# Nothing that ships may link one: gk_check_internal_links() fails the configuration when a target
# outside tests/, bench/ and fuzz/ names one among the libraries it links or hands on.
function(gk_check_internal_links)
    gk_shipping_targets(targets)
    foreach(entry IN LISTS targets)
        string(REPLACE "|" ";" entry "${entry}")
        list(GET entry 0 target)
        list(GET entry 1 relative)
        if(target MATCHES "_internal$")
            continue()
        endif()
        gk_target_links(${target} links)
        string(REGEX MATCHALL "[A-Za-z0-9_]+_internal" internal "${links}")
        if(internal)
            list(REMOVE_DUPLICATES internal)
            message(FATAL_ERROR "${target} (${relative}) links ${internal}: the *_internal targets are "
                                "for tests, benchmarks and fuzz targets only")
        endif()
    endforeach()
endfunction()
