add_executable(playback_tests
  ${CMAKE_CURRENT_LIST_DIR}/playvoice_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mediafolderdialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/playbackfixture.h
)
target_include_directories(playback_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(playback_tests PRIVATE tilvora_playback GTest::gtest_main)
gtest_discover_tests(playback_tests DISCOVERY_MODE PRE_TEST)
