add_executable(playback_tests
  ${CMAKE_CURRENT_LIST_DIR}/playvoice_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recitationplan_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mediafolderdialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/playbackfixture.h
)
target_link_libraries(playback_tests PRIVATE tilvora_playback test_support GTest::gtest_main)
gtest_discover_tests(playback_tests DISCOVERY_MODE PRE_TEST)
