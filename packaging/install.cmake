# Installation: `cmake --install BUILD [--prefix PREFIX]` gives
#   PREFIX/lib/tilvora/         the application folder: tilvora, tilvora-cli,
#                               DIC.DAT, the picker pages, media/, fonts/ and the
#                               marker tilvora-shared, which makes the
#                               programs run from each reader's own folder
#   PREFIX/bin/tilvora          links to the programs
#   PREFIX/bin/tilvora-cli
#   PREFIX/share/applications/tilvora.desktop
#   PREFIX/share/icons/hicolor/{scalable,48x48,64x64,128x128,256x256}/apps/tilvora.{svg,png}
#   PREFIX/share/metainfo/<application id>.metainfo.xml
#   PREFIX/share/doc/tilvora/   copyright and changelog (see package.cmake)
#
# The content comes from the build's application folder. The demo voice's
# folder is stored relative to the application folder ("media/demo"), so the
# installed DIC.DAT reads the installed recordings as it is.
#
# Included by the top CMakeLists.txt; including it again changes nothing.
include_guard(GLOBAL)
include(GNUInstallDirs)

find_program(TILVORA_SQLITE3 sqlite3)

# The PNG sizes of the icon besides the SVG, and the software centre's id.
set(TILVORA_ICON_SIZES 48 64 128 256 CACHE INTERNAL "")
set(TILVORA_APP_ID example.tilvora.Tilvora CACHE INTERNAL "")

function(tilvora_install_rules install_source_dir)
  set(app_dir ${CMAKE_INSTALL_LIBDIR}/tilvora)

  foreach(program IN ITEMS tilvora tilvora-cli)
    if(TARGET ${program})
      install(TARGETS ${program} RUNTIME DESTINATION ${app_dir})
    endif()
  endforeach()

  # The content: DIC.DAT is required when this build makes it.
  if(TARGET content)
    install(FILES ${TILVORA_APP_FOLDER}/DIC.DAT DESTINATION ${app_dir})
  else()
    install(FILES ${TILVORA_APP_FOLDER}/DIC.DAT DESTINATION ${app_dir} OPTIONAL)
  endif()
  install(DIRECTORY ${TILVORA_APP_FOLDER}/media DESTINATION ${app_dir} OPTIONAL)
  # The mushaf's font, read from beside the programs.
  install(DIRECTORY ${TILVORA_APP_FOLDER}/fonts DESTINATION ${app_dir} OPTIONAL)
  # The shipped pages, not the ones a run of the program wrote there.
  install(CODE "
    file(GLOB tilvora_pages \"${TILVORA_APP_FOLDER}/*.Htm\")
    list(FILTER tilvora_pages EXCLUDE REGEX \"/(Main|Control)\\\\.[Hh][Tt][Mm]$\")
    if(tilvora_pages)
      file(INSTALL \${tilvora_pages} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${app_dir}\")
    endif()
  ")

  # The marker that makes the installed programs run from each reader's
  # own folder (see src/store/userfolder.h).
  install(FILES ${install_source_dir}/install/tilvora-shared DESTINATION ${app_dir})

  # The commands, as links to the programs, and the desktop entry.
  file(RELATIVE_PATH link_to_app_dir /${CMAKE_INSTALL_BINDIR} /${app_dir})
  install(CODE "
    foreach(tilvora_name IN ITEMS tilvora tilvora-cli)
      set(tilvora_link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${tilvora_name}\")
      get_filename_component(tilvora_link_dir \"\${tilvora_link}\" DIRECTORY)
      file(MAKE_DIRECTORY \"\${tilvora_link_dir}\")
      file(REMOVE \"\${tilvora_link}\")
      message(STATUS \"Installing: \${tilvora_link} -> ${link_to_app_dir}/\${tilvora_name}\")
      file(CREATE_LINK \"${link_to_app_dir}/\${tilvora_name}\" \"\${tilvora_link}\" SYMBOLIC)
    endforeach()
    get_filename_component(tilvora_prefix \"\${CMAKE_INSTALL_PREFIX}\" ABSOLUTE)
    set(TILVORA_INSTALLED_LAUNCHER \"\${tilvora_prefix}/${CMAKE_INSTALL_BINDIR}/tilvora\")
    set(tilvora_staging \"${CMAKE_BINARY_DIR}/tilvora-install\")
    file(MAKE_DIRECTORY \"\${tilvora_staging}\")
    file(READ \"${install_source_dir}/install/tilvora.desktop.in\" tilvora_text)
    string(CONFIGURE \"\${tilvora_text}\" tilvora_text @ONLY)
    file(WRITE \"\${tilvora_staging}/tilvora.desktop\" \"\${tilvora_text}\")
    file(INSTALL \"\${tilvora_staging}/tilvora.desktop\"
      DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
  ")

  # The icon in the sizes a desktop asks for, and the software centre's
  # description.
  install(FILES ${CMAKE_SOURCE_DIR}/src/ui/art/tilvora.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size IN LISTS TILVORA_ICON_SIZES)
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/tilvora.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps OPTIONAL)
  endforeach()
  install(FILES ${CMAKE_BINARY_DIR}/tilvora.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME ${TILVORA_APP_ID}.metainfo.xml)
endfunction()

# At the end of the top directory, once every program's target exists.
cmake_language(EVAL CODE "
  cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]]
    CALL tilvora_install_rules [[${CMAKE_CURRENT_LIST_DIR}]])
")
