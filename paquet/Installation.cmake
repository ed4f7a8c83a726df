# cmake --install: the program, its manual, its menu entry, icons, AppStream description and manual page;
# cpack -G DEB makes the Debian package maravel-on of them.
include(GNUInstallDirs)

set(MARAVEL_ID org.maravel.Maravel_ON)
# No site is known: the update page, the package's Homepage and the AppStream page stay empty until one
# is given (-DMARAVEL_SITE=https://…); the store's "Adresse Site" still names one at run time.
set(MARAVEL_SITE "" CACHE STRING "Web site of the program: update page, Homepage, AppStream page")
# Debian's packager convention (DEBEMAIL, then EMAIL) gives the address of whoever builds the package;
# without one the address says plainly that there is none.
if(DEFINED ENV{DEBEMAIL})
  set(MARAVEL_COURRIEL_DEFAUT "$ENV{DEBEMAIL}")
elseif(DEFINED ENV{EMAIL})
  set(MARAVEL_COURRIEL_DEFAUT "$ENV{EMAIL}")
else()
  set(MARAVEL_COURRIEL_DEFAUT "maravel-on@pas-d-adresse.invalid")
endif()
set(MARAVEL_COURRIEL "${MARAVEL_COURRIEL_DEFAUT}" CACHE STRING "Contact address of the Debian package")
set(MARAVEL_MAINTENEUR "Projet Maravel_ON <${MARAVEL_COURRIEL}>")

target_compile_definitions(Maravel_ON PRIVATE MARAVEL_SITE="${MARAVEL_SITE}")
set(MARAVEL_PAGE_ACCUEIL "")
if(MARAVEL_SITE)
  set(MARAVEL_PAGE_ACCUEIL "  <url type=\"homepage\">${MARAVEL_SITE}</url>\n")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${MARAVEL_SITE}")
endif()
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/paquet/${MARAVEL_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${MARAVEL_ID}.metainfo.xml @ONLY)

install(TARGETS Maravel_ON RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES paquet/${MARAVEL_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES paquet/${MARAVEL_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(taille 16 22 24 32 48 64 128 256)
  install(FILES paquet/icones/${taille}x${taille}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps RENAME ${MARAVEL_ID}.png)
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${MARAVEL_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The program looks for its manual beside itself, then in ../share/maravel-on.
install(FILES ${CMAKE_SOURCE_DIR}/aide/Maravel_ON.hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/maravel-on)

# Debian's documentation of the package: the licence, the package's history and the manual page (in
# French like the program, in the default section so that "man Maravel_ON" finds it in every language),
# compressed as Debian wants them: best compression, no name nor date in the header.
find_program(GZIP gzip)
if(GZIP)
  configure_file(paquet/debian/changelog.Debian.in ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian @ONLY)
  foreach(page changelog.Debian Maravel_ON.1)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${page})
    if(page STREQUAL "Maravel_ON.1")
      set(source ${CMAKE_CURRENT_SOURCE_DIR}/paquet/debian/${page})
    endif()
    execute_process(COMMAND ${GZIP} -9 -n -c INPUT_FILE ${source} OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${page}.gz)
  endforeach()
  install(FILES paquet/debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/maravel-on)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/Maravel_ON.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES paquet/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
          RENAME maravel-on)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS paquet/debian/changelog.Debian.in
                                                                 paquet/debian/Maravel_ON.1)
endif()

set(CPACK_PACKAGE_NAME maravel-on)
set(CPACK_PACKAGE_VENDOR "Projet Maravel_ON")
set(CPACK_PACKAGE_CONTACT "${MARAVEL_MAINTENEUR}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MARAVEL_MAINTENEUR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "assistant de log pour les activations radioamateurs")
# The extended description under the summary, wrapped under 80 columns (CPack indents each line).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "L'opérateur décrit l'activation (château ou autre site référencé), puis
saisit ses QSO au clavier, champ par champ : chaque QSO validé est écrit
aussitôt dans le log de l'activation. Le log se corrige, se recherche,
s'imprime et s'exporte en ADIF ; les étiquettes QSL s'impriment sur quatre
formats de planches. La bande et le mode peuvent suivre la radio (Hamlib).
L'interface est en français.")
# The first packaging of this version (a Debian revision, as for any package that is not Debian's own).
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; the platform plugins, the toolkit's French translations and
# the fonts are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")
# Hamlib and Qt Serial Port come from dpkg-shlibdeps as well; rigctld, to share the radio with other
# programs through Hamlib's network model, is suggested.
if(TARGET maravel_radio)
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libhamlib-utils")
endif()
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
  # --help and --version answer without a display (on a terminal over SSH, in a script).
  add_test(NAME aide_sans_ecran COMMAND Maravel_ON --help)
  add_test(NAME version_sans_ecran COMMAND Maravel_ON --version)
  set_tests_properties(aide_sans_ecran version_sans_ecran PROPERTIES
                       ENVIRONMENT "DISPLAY=;WAYLAND_DISPLAY=;QT_QPA_PLATFORM=xcb")
  set_tests_properties(aide_sans_ecran PROPERTIES PASS_REGULAR_EXPRESSION "--dossier <chemin>")
  set_tests_properties(version_sans_ecran PROPERTIES PASS_REGULAR_EXPRESSION "^Maravel_ON 1\\.0\\.0\n$")
endif()
