# Downloading a reciter's files, against a local server the tests start.
add_executable(playback_download_test
  ${CMAKE_CURRENT_LIST_DIR}/recitationdownload_test.cpp
)
target_link_libraries(playback_download_test PRIVATE tilvora_download test_support test_http GTest::gtest)
gtest_discover_tests(playback_download_test DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 120)
