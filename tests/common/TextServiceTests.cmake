# Tests of the user-interface text service: the lookups on a fake text source, and the text database
# itself on a Language.mdb built per test from the real schema.
add_executable(common_textservice_tests
    ${CMAKE_CURRENT_LIST_DIR}/BuiltCaptionsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageDatabaseTest.cpp
)
target_link_libraries(common_textservice_tests PRIVATE OrvikCommonVers5 gk_datatools GTest::gtest_main)
target_compile_definitions(common_textservice_tests PRIVATE
    GK_LANGUAGE_SCHEMA_SQL="${PROJECT_SOURCE_DIR}/data/language/schema.sql"
    GK_BUILT_LANGUAGE_MDB="${GK_LANGUAGE_MDB}")
add_dependencies(common_textservice_tests databases)
gk_warnings(common_textservice_tests)
gtest_discover_tests(common_textservice_tests DISCOVERY_TIMEOUT 60)
