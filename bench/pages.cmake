# The reading page of chapter 2, the whole book and two text searches, each
# as a whole tilvora-cli process, against the sqlite3 shell running the same
# statements into a file.
add_executable(bench_reading_page ${CMAKE_CURRENT_LIST_DIR}/pages_reading_page.cpp)
target_link_libraries(bench_reading_page PRIVATE tilvora_pages test_support Qt6::Core Qt6::Sql)
add_dependencies(bench_reading_page tilvora-cli)
