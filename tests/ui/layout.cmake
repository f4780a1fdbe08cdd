add_executable(ui_panelayout_test ${CMAKE_CURRENT_LIST_DIR}/panelayout_test.cpp)
target_link_libraries(ui_panelayout_test PRIVATE tilvora_layout Qt6::Core GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(ui_panelayout_test DISCOVERY_MODE PRE_TEST)
