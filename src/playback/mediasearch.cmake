# Finding recitation files below a voice's media folder (QtCore only).
add_library(tilvora_mediasearch STATIC
  ${CMAKE_CURRENT_LIST_DIR}/mediasearch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mediasearch.h
)
target_include_directories(tilvora_mediasearch PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(tilvora_mediasearch PUBLIC Qt6::Core)
