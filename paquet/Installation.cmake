# cmake --install: the program, its manual, its menu entry, icon and AppStream description; cpack -G DEB
# makes the Debian package maravel-on of them.
include(GNUInstallDirs)

set(MARAVEL_ID org.maravel.Maravel_ON)
set(MARAVEL_SITE "https://maravel-on.example.org" CACHE STRING "Web site of the program (AppStream page)")
set(MARAVEL_MAINTENEUR "Maravel_ON <maravel-on@example.org>" CACHE STRING "Maintainer of the Debian package")

configure_file(${CMAKE_CURRENT_SOURCE_DIR}/paquet/${MARAVEL_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${MARAVEL_ID}.metainfo.xml @ONLY)

install(TARGETS Maravel_ON RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES paquet/${MARAVEL_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES paquet/${MARAVEL_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${MARAVEL_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The program looks for its manual beside itself, then in ../share/maravel-on.
install(FILES ${CMAKE_SOURCE_DIR}/aide/Maravel_ON.hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/maravel-on)

set(CPACK_PACKAGE_NAME maravel-on)
set(CPACK_PACKAGE_VENDOR Maravel_ON)
set(CPACK_PACKAGE_CONTACT "${MARAVEL_MAINTENEUR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Assistant de log pour les activations radioamateurs")
set(CPACK_PACKAGE_DESCRIPTION
    "L'opérateur décrit l'activation (château ou autre site référencé), saisit ses QSO au clavier, et chaque QSO validé est écrit aussitôt dans le log de l'activation.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${MARAVEL_SITE}")
# The libraries come from dpkg-shlibdeps; the platform plugins and the fonts are loaded at run time, so
# they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
include(CPack)

# The menu entry and the AppStream description are checked whenever their validators are installed.
if(MARAVEL_TESTS)
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(DESKTOP_FILE_VALIDATE)
    add_test(NAME entree_de_menu COMMAND ${DESKTOP_FILE_VALIDATE}
             ${CMAKE_CURRENT_SOURCE_DIR}/paquet/${MARAVEL_ID}.desktop)
  endif()
  find_program(APPSTREAMCLI appstreamcli)
  if(APPSTREAMCLI)
    add_test(NAME description_appstream COMMAND ${APPSTREAMCLI} validate --no-net
             ${CMAKE_CURRENT_BINARY_DIR}/${MARAVEL_ID}.metainfo.xml)
  endif()
endif()
