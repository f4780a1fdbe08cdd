# Record sets against the sqlite3 shell, and their memory per row.
add_executable(store_bench ${CMAKE_CURRENT_LIST_DIR}/store_bench.cpp)
target_link_libraries(store_bench PRIVATE tilvora_store Qt6::Core)
