# The user-interface text service of OrvikCommonVers5 (no Qt) and the editor of user-defined texts.
if(NOT TARGET OrvikCommonVers5)
    add_library(OrvikCommonVers5 SHARED)
    target_include_directories(OrvikCommonVers5 PUBLIC ${CMAKE_CURRENT_LIST_DIR}/include)
    target_link_libraries(OrvikCommonVers5 PUBLIC platform)
    gk_warnings(OrvikCommonVers5)
endif()
target_sources(OrvikCommonVers5 PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/src/cls_Language.cpp
    ${CMAKE_CURRENT_LIST_DIR}/src/SystemLanguage.cpp
)
target_link_libraries(OrvikCommonVers5 PRIVATE ${CMAKE_DL_LIBS})
add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/editor ${CMAKE_CURRENT_BINARY_DIR}/editor)
