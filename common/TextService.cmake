# The user-interface text service of OrvikCommonVers5 (no Qt) over the text database Language.mdb,
# and the editor of user-defined texts with the window helpers (Qt, a library of its own).
target_sources(OrvikCommonVers5 PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/src/cls_Language.cpp
    ${CMAKE_CURRENT_LIST_DIR}/src/LanguageDatabase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/src/SystemLanguage.cpp
)
target_link_libraries(OrvikCommonVers5 PUBLIC platform_db PRIVATE ${CMAKE_DL_LIBS})

add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/editor ${CMAKE_CURRENT_BINARY_DIR}/editor)
