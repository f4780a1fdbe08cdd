# The desktop program's own widgets: the recitation player, the media folder
# dialog, the splash and About windows. They run on the offscreen platform,
# with no display and no sound card. Screenshots go to artifacts/.
if(NOT TARGET tilvora_ui)
  return()
endif()
set(TILVORA_ARTIFACTS_DIR ${CMAKE_BINARY_DIR}/artifacts)
find_package(Qt6 6.4 REQUIRED COMPONENTS Test)

function(tilvora_widget_test name)
  add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/widgets_main.cpp ${ARGN})
  target_link_libraries(${name} PRIVATE tilvora_ui test_support Qt6::Test GTest::gtest)
  target_compile_definitions(${name} PRIVATE TILVORA_ARTIFACTS_DIR="${TILVORA_ARTIFACTS_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_PREFIX "ui."
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120
    DISCOVERY_TIMEOUT 60)
endfunction()

tilvora_widget_test(ui_playerstrip_test ${CMAKE_CURRENT_LIST_DIR}/playerstrip_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gstaudioplayer_test.cpp)
tilvora_widget_test(ui_mediafolderdialog_test ${CMAKE_CURRENT_LIST_DIR}/mediafolderdialog_test.cpp)
tilvora_widget_test(ui_windows_test ${CMAKE_CURRENT_LIST_DIR}/windows_test.cpp)
tilvora_widget_test(ui_chapteralignmentdialog_test ${CMAKE_CURRENT_LIST_DIR}/chapteralignmentdialog_test.cpp)
