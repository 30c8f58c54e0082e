# Installing and packaging. `cmake --install BUILD --prefix P` lays out:
#   P/lib/kidplay/          the program folder: kidplay with its Gfx/, Sfx/, Data/ and Fonts/
#   P/bin/kidplay           a relative link to it (the program finds its folder itself)
#   P/share/applications/   the desktop entry
#   P/share/metainfo/       the AppStream metadata
#   P/share/icons/hicolor/  the icon, scalable and at 64, 128 and 256 pixels
#   P/share/kidplay/screenshots/  the screenshots the metadata names
# and `cpack -G DEB` in the build folder makes the Debian package of the same files under /usr.
if(NOT KIDPLAY_ASSETS)
  return()  # without the forge's pictures there is nothing worth installing
endif()

set(KIDPLAY_APP_ID org.kidplay.Kidplay)
set(KIDPLAY_HOMEPAGE "https://kidplay.org" CACHE STRING "The project's home page")
set(KIDPLAY_SCREENSHOT_URL "${KIDPLAY_HOMEPAGE}/screenshots/${PROJECT_VERSION}"
    CACHE STRING "Where a release publishes share/kidplay/screenshots/")
set(KIDPLAY_RELEASE_DATE 2026-12-06)
set(program_dir lib/kidplay)

install(TARGETS kidplay RUNTIME DESTINATION ${program_dir})
# The icon files are made by the forge beside the others but belong to the icon theme.
install(DIRECTORY ${KIDPLAY_DIR}/Gfx ${KIDPLAY_DIR}/Sfx ${KIDPLAY_DIR}/Data ${KIDPLAY_DIR}/Fonts
        DESTINATION ${program_dir}
        REGEX "/Gfx/Icon$" EXCLUDE
        PATTERN "*.forge-tmp-*" EXCLUDE)

# bin/kidplay -> ../lib/kidplay/kidplay, made in the build folder and installed as a link.
set(link_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${link_dir})
file(CREATE_LINK ../${program_dir}/kidplay ${link_dir}/kidplay SYMBOLIC)
install(FILES ${link_dir}/kidplay DESTINATION bin)

install(FILES ${CMAKE_SOURCE_DIR}/packaging/${KIDPLAY_APP_ID}.desktop
        DESTINATION share/applications)
configure_file(${CMAKE_SOURCE_DIR}/packaging/${KIDPLAY_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${KIDPLAY_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${KIDPLAY_APP_ID}.metainfo.xml
        DESTINATION share/metainfo)

install(FILES ${KIDPLAY_DIR}/Gfx/Icon/kidplay.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${KIDPLAY_APP_ID}.svg)
foreach(size 64 128 256)
  install(FILES ${KIDPLAY_DIR}/Gfx/Icon/kidplay-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${KIDPLAY_APP_ID}.png)
endforeach()

# The screenshots: a headless replay of packaging/screenshots.script with the built program.
set(shots_dir ${CMAKE_BINARY_DIR}/screenshots)
set(shots_stamp ${CMAKE_BINARY_DIR}/screenshots.stamp)
add_custom_command(
  OUTPUT ${shots_stamp}
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:kidplay>
          -DSCRIPT=${CMAKE_SOURCE_DIR}/packaging/screenshots.script -DOUT=${shots_dir}
          -DWORK=${CMAKE_BINARY_DIR}/screenshots-run -P ${CMAKE_SOURCE_DIR}/cmake/screenshots.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${shots_stamp}
  DEPENDS kidplay assets ${CMAKE_SOURCE_DIR}/packaging/screenshots.script
          ${CMAKE_SOURCE_DIR}/cmake/screenshots.cmake
  COMMENT "Taking the screenshots"
  VERBATIM)
add_custom_target(screenshots ALL DEPENDS ${shots_stamp})
install(DIRECTORY ${shots_dir}/ DESTINATION share/kidplay/screenshots)

# The Debian package: its dependencies come from the shared libraries the program links.
set(CPACK_PACKAGE_NAME kidplay)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kidplay maintainers <maintainers@kidplay.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture-only games for young children")
# The summary is the synopsis; CPack indents the long description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Eight small games behind one picture menu: Domino train, Collector, Dots,\nMaze, Picture puzzle, Light paint, Music game and Scratch. Full screen,\nplayed with a mouse, a keyboard or a touchscreen, with no words to read.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KIDPLAY_HOMEPAGE})
include(CPack)
