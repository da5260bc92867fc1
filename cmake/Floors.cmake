include(ShippingTargets)

# The project's folders are floors, each building on the ones below it only: the platform stand-ins,
# the common library (with its Qt side in common/qt and common/editor), the data service, the object
# model, the program. gk_check_floors() fails the configuration when a shipping target links or hands
# on a target of the project from a floor above its own. Folders outside the floors (data/) are free.
set(GK_FLOORS platform common dataservice objects app)

function(gk_floor_of folder out)
    string(REGEX MATCH "^[^/]+" top "${folder}")
    list(FIND GK_FLOORS "${top}" floor)
    set(${out} ${floor} PARENT_SCOPE)
endfunction()

function(gk_check_floors)
    gk_shipping_targets(targets)
    foreach(entry IN LISTS targets)
        string(REPLACE "|" ";" entry "${entry}")
        list(GET entry 0 target)
        list(GET entry 1 relative)
        gk_floor_of("${relative}" floor)
        if(floor EQUAL -1)
            continue()
        endif()
        gk_target_links(${target} links)
        string(REGEX REPLACE "\\$<LINK_ONLY:([^>]+)>" "\\1" links "${links}")
        foreach(link IN LISTS links)
            if(NOT TARGET ${link})
                continue()
            endif()
            get_target_property(imported ${link} IMPORTED)
            if(imported)
                continue()
            endif()
            get_target_property(linkFolder ${link} SOURCE_DIR)
            cmake_path(RELATIVE_PATH linkFolder BASE_DIRECTORY ${PROJECT_SOURCE_DIR})
            gk_floor_of("${linkFolder}" linkFloor)
            if(linkFloor GREATER floor)
                message(FATAL_ERROR "${target} (${relative}) links ${link} (${linkFolder}): a floor must "
                                    "not depend on one above it")
            endif()
        endforeach()
    endforeach()
endfunction()
