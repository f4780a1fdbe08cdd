# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh
# does it after the build) gives build/tilvora_<version>_<arch>.deb with
# everything `cmake --install` installs under /usr, the programs stripped,
# the dependencies computed from the programs by dpkg-shlibdeps plus the
# packages the program loads at run time.
#
# Included by the top CMakeLists.txt; including it again changes nothing.
include_guard(GLOBAL)

set(TILVORA_PROGRAM_LICENSE "GPL-3.0-or-later" CACHE STRING "The program's licence (SPDX)")
set(TILVORA_HOMEPAGE "https://tilvora.example/" CACHE STRING "The program's home page")
set(TILVORA_SCREENSHOT_URL "${TILVORA_HOMEPAGE}screenshots" CACHE STRING
    "Where the window test's screenshots (build/artifacts/window-*.png) are published")
set(TILVORA_RELEASE_DATE "2026-12-07")
set(TILVORA_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 12:00:00 +0000")
set(TILVORA_MAINTAINER "Tilvora maintainers <maintainers@users.noreply.c-seed-2a36270d.example>")

# The icon as PNG in each size, drawn from the SVG.
find_program(TILVORA_RSVG_CONVERT rsvg-convert)
if(TILVORA_RSVG_CONVERT)
  set(icon_files)
  foreach(size IN LISTS TILVORA_ICON_SIZES)
    set(icon ${CMAKE_BINARY_DIR}/icons/${size}x${size}/tilvora.png)
    add_custom_command(OUTPUT ${icon}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${TILVORA_RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${CMAKE_SOURCE_DIR}/src/ui/art/tilvora.svg
      DEPENDS ${CMAKE_SOURCE_DIR}/src/ui/art/tilvora.svg
      VERBATIM)
    list(APPEND icon_files ${icon})
  endforeach()
  add_custom_target(icons ALL DEPENDS ${icon_files})
else()
  message(WARNING "rsvg-convert (librsvg2-bin) is missing: the icon is installed as SVG only")
endif()

# The software centre's description; the package's copyright, changelog and
# manual pages.
configure_file(${CMAKE_CURRENT_LIST_DIR}/install/tilvora.metainfo.xml.in ${CMAKE_BINARY_DIR}/tilvora.metainfo.xml @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/install/changelog.in ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/changelog.gz
  COMMAND gzip -9 -n -f -k ${CMAKE_BINARY_DIR}/package/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/package/changelog
  VERBATIM)
set(package_documents ${CMAKE_BINARY_DIR}/package/changelog.gz)
foreach(page IN ITEMS tilvora.1 tilvora-cli.1)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/install/${page} ${CMAKE_BINARY_DIR}/package/${page} @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/${page}.gz
    COMMAND gzip -9 -n -f -k ${CMAKE_BINARY_DIR}/package/${page}
    DEPENDS ${CMAKE_BINARY_DIR}/package/${page}
    VERBATIM)
  list(APPEND package_documents ${CMAKE_BINARY_DIR}/package/${page}.gz)
  install(FILES ${CMAKE_BINARY_DIR}/package/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(package_documents ALL DEPENDS ${package_documents})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/install/copyright ${CMAKE_BINARY_DIR}/package/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tilvora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tilvora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tilvora developers")
set(CPACK_PACKAGE_CONTACT "${TILVORA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quran reader with translations and recitation")
set(CPACK_PACKAGE_DESCRIPTION
    "Tilvora shows the verses of a chapter, a part, a word, a root, a
subject or a search with the Arabic text and the translations the
reader chose, and recites a verse in the chosen voice on a
double-click. The Arabic text (Uthmani and simple script),
translations into ten languages, a transliteration and a demo voice
made by speech synthesis come with the program; the recordings of a
reciter are used from a folder the reader chooses. tilvora-cli runs
the program from a terminal.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TILVORA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TILVORA_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Loaded at run time, so unseen by dpkg-shlibdeps: the SQLite driver, the
# browser engine's helper process; the player strip's playbin and audio
# conversion (-base), its scaletempo and the sound outputs (-good); the decoders of
# MP3 (-good) and WMA (-ugly, -libav), and gst-launch-1.0 (-tools), which decodes chapter recordings to find
# their verses' starts; the fonts of the Arabic text (the reader's choice among them), the
# interface, Bengali and Chinese; xdg-open for web links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, libqt6webenginecore6-bin, qt6-translations-l10n, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-ugly, gstreamer1.0-libav, gstreamer1.0-tools, fonts-hosny-amiri, fonts-sil-scheherazade, fonts-dejavu-core, fonts-dejavu-extra, fonts-noto-core, fonts-wqy-microhei, xdg-utils")
include(CPack)
