# Desktop integration (menu entry, icons, man page) and the Debian package.
# The executables install themselves from their own folders.

set(MORVANE_APP_ID example.morvane.Morvane)
set(dist_dir ${CMAKE_CURRENT_LIST_DIR})

if(MORVANE_WITH_GUI)
  install(FILES ${dist_dir}/${MORVANE_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${dist_dir}/${MORVANE_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 48x48 256x256)
    install(FILES ${dist_dir}/icons/${size}/${MORVANE_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
  endforeach()
endif()

# Debian wants man pages compressed, and without a timestamp (-n) so that
# two builds of the same source give the same package.
find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
  set(man_page ${CMAKE_CURRENT_BINARY_DIR}/morvane-extract.1.gz)
  add_custom_command(OUTPUT ${man_page}
                     COMMAND ${GZIP_PROGRAM} -9n -c ${dist_dir}/morvane-extract.1 > ${man_page}
                     DEPENDS ${dist_dir}/morvane-extract.1
                     COMMENT "Compressing the man page")
  add_custom_target(man_page ALL DEPENDS ${man_page})
else()
  set(man_page ${dist_dir}/morvane-extract.1)
endif()
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package: `cpack -G DEB` in the build folder (make package).
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VENDOR "Morvane developers")
set(CPACK_PACKAGE_CONTACT "Morvane developers <dev@morvane.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morvane developers <dev@morvane.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The long text under the summary line; CPack indents it.
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop program with a Chinese user interface: choose a text file,
and it writes every QQ number found in it, one per line, into a file you
name. The command-line companion morvane-extract does the same job from a
shell with byte-identical output.")
# The libraries the binaries link against become dependencies by themselves.
# What they load at run time does not: Qt's X11/Wayland platform plugins
# (libqt6gui6 only recommends them, and without them no window opens), and a
# CJK font, without which every Chinese text draws as boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(MORVANE_WITH_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-qpa-plugins")
  # Chinese buttons in Qt's own file dialogs.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()
# morvane_<version>_<arch>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

set(CPACK_GENERATOR DEB)
include(CPack)
