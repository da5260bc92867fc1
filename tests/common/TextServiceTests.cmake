# Tests of the user-interface text service (no Qt, no database file: a fake text source).
add_executable(common_textservice_tests
    ${CMAKE_CURRENT_LIST_DIR}/LanguageTest.cpp
)
target_link_libraries(common_textservice_tests PRIVATE OrvikCommonVers5 GTest::gtest_main)
gk_warnings(common_textservice_tests)
gtest_discover_tests(common_textservice_tests DISCOVERY_TIMEOUT 60)
