# The end of a verse inside a chapter file: how far from the verse's end the
# player stops, against stopping at the player's own position reports.
if(TARGET tilvora_ui)
  add_executable(bench_verse_end ${CMAKE_CURRENT_LIST_DIR}/verse_end_bench.cpp)
  target_link_libraries(bench_verse_end PRIVATE tilvora_ui)
endif()
