# The desktop window with its real browser panes, on the offscreen platform.
# Each test copies the application folder the content build made into a
# folder of its own. Screenshots go to artifacts/.
if(NOT TARGET tilvora_ui)
  return()
endif()
find_package(Qt6 6.4 REQUIRED COMPONENTS Test)
add_executable(ui_window_test
  ${CMAKE_CURRENT_LIST_DIR}/window_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windowfixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windowfixture.h
  ${CMAKE_CURRENT_LIST_DIR}/window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/comfort_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recite_window_test.cpp
)
target_include_directories(ui_window_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(ui_window_test PRIVATE tilvora_ui test_support test_http Qt6::Test GTest::gtest)
target_compile_definitions(ui_window_test PRIVATE
  TILVORA_APP_FOLDER_SOURCE="${TILVORA_APP_FOLDER}"
  TILVORA_ARTIFACTS_DIR="${CMAKE_BINARY_DIR}/artifacts")
if(TARGET content)
  add_dependencies(ui_window_test content)
endif()
gtest_discover_tests(ui_window_test DISCOVERY_MODE PRE_TEST
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 180
  DISCOVERY_TIMEOUT 60)
