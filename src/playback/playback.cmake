# Reciting a verse and the media folder dialog's logic (QtCore only; the
# dialog's form belongs to the desktop host).
add_library(tilvora_playback STATIC
  ${CMAKE_CURRENT_LIST_DIR}/playvoice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/playvoice.h
  ${CMAKE_CURRENT_LIST_DIR}/verserecording.cpp
  ${CMAKE_CURRENT_LIST_DIR}/verserecording.h
  ${CMAKE_CURRENT_LIST_DIR}/recitationplan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recitationplan.h
  ${CMAKE_CURRENT_LIST_DIR}/mediafolderdialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mediafolderdialog.h
  ${CMAKE_CURRENT_LIST_DIR}/voicefolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/voicefolder.h
)
target_include_directories(tilvora_playback PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(tilvora_playback PUBLIC tilvora_store tilvora_host tilvora_mediasearch Qt6::Core)
