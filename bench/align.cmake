# Verse starts found in chapter recordings against the demo voice's measured
# starts and against recordings made for the run (espeak-ng, lame); and the
# time it takes against decoding the same recording alone.
add_executable(align_bench ${CMAKE_CURRENT_LIST_DIR}/align_bench.cpp)
target_link_libraries(align_bench PRIVATE tilvora_align tilvora_store Qt6::Core Qt6::Sql)
