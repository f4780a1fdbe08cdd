# `cmake --install` of this build into a folder of the test's own, and the
# installed program run from there. Needs the programs and the content built.
if(NOT TARGET tilvora OR NOT TARGET tilvora-cli OR NOT TARGET content)
  return()
endif()
find_program(TILVORA_SQLITE3 sqlite3)
add_test(NAME ui.install
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install_test.sh
    ${CMAKE_BINARY_DIR} ${TILVORA_APP_FOLDER} ${CMAKE_INSTALL_LIBDIR} ${TILVORA_SQLITE3})
set_tests_properties(ui.install PROPERTIES TIMEOUT 300)
