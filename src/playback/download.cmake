# Downloading a reciter's verse files (QtCore and QtNetwork; no widgets).
add_library(tilvora_download STATIC
  ${CMAKE_CURRENT_LIST_DIR}/recitationdownload.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recitationdownload.h
)
set_target_properties(tilvora_download PROPERTIES AUTOMOC ON)
target_include_directories(tilvora_download PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(tilvora_download PUBLIC tilvora_store Qt6::Core Qt6::Network)
