# The desktop window: process start to chapter 1 in the reading pane, and the
# whole-book search page from command to loaded, against the browser engine's
# own floor for the same work.
if(TARGET tilvora_ui)
  add_executable(bench_window ${CMAKE_CURRENT_LIST_DIR}/window_bench.cpp)
  target_link_libraries(bench_window PRIVATE tilvora_ui)
  if(TARGET content)
    add_dependencies(bench_window content)
  endif()
endif()
