# The reading page of the whole book and of chapter 2, rendered and written,
# against the sqlite3 shell writing the same rows to a file.
add_executable(bench_reading_page ${CMAKE_CURRENT_LIST_DIR}/pages_reading_page.cpp)
target_link_libraries(bench_reading_page PRIVATE tilvora_pages test_support Qt6::Core Qt6::Sql)
