# Reciting a verse (QtCore only).
add_library(tilvora_playback STATIC
  ${CMAKE_CURRENT_LIST_DIR}/playvoice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/playvoice.h
)
target_include_directories(tilvora_playback PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(tilvora_playback PUBLIC tilvora_store tilvora_host tilvora_mediasearch Qt6::Core)
