# FindFile over a generated tree of 20,000 folders against find(1).
add_executable(findfile_bench ${CMAKE_CURRENT_LIST_DIR}/findfile_bench.cpp)
target_link_libraries(findfile_bench PRIVATE tilvora_mediasearch Qt6::Core)
