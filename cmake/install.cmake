# How Zorbla installs as a desktop program, and its Debian packages.
#
#   bin/zorbla
#   lib/zorbla/                         the sound engine, and the script that writes the
#                                       desktop entry for the editions installed
#   share/zorbla/<language>/            each edition: text.txt, images/, sounds/ (read-only; a
#                                       user started from a menu works in a copy, see src/app).
#                                       A file the same as the English edition's is a link to it.
#   share/applications/<id>.desktop     written at installation, one action per edition
#   share/metainfo/<id>.metainfo.xml
#   share/icons/hicolor/<size>/apps/<id>.png, scalable/apps/<id>.svg
#   share/man/man1/zorbla.1.gz          the manual page (packaging/zorbla.1)
#   share/doc/<package>/                copyright (packaging/debian/copyright, the one text for
#                                       every package) and changelog.Debian.gz
#
# Components: "program" (the program and English) and one per other edition, which are the
# Debian packages zorbla, zorbla-hr, zorbla-de, zorbla-fr and zorbla-es. Their version is
# the project's with the revision of packaging/debian/changelog's latest entry; the test
# app_packages (tests/app/package-check) builds them and has lintian check them.
include(${CMAKE_CURRENT_LIST_DIR}/app.cmake)
include(GNUInstallDirs)

set(ZORBLA_APP_ID org.zorbla.Zorbla)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS zorbla RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(TARGETS zorbla_sound LIBRARY DESTINATION ${ZORBLA_SOUND_MODULE_DIR} COMPONENT program)
# The program finds the editions at ../share/zorbla from its bin/, so these stay together.
foreach(lang en ${ZORBLA_EDITIONS})
  set(component ${lang})
  if(lang STREQUAL "en")
    set(component program)
  endif()
  install(DIRECTORY ${ZORBLA_EDITIONS_DIR}/${lang} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/zorbla
    COMPONENT ${component}
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
    DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endforeach()
install(FILES ${packaging}/${ZORBLA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo
  COMPONENT program)
install(PROGRAMS ${packaging}/zorbla-desktop-entry DESTINATION ${ZORBLA_SOUND_MODULE_DIR} COMPONENT program)
# The desktop entry names the editions installed beside the program. In the Debian
# packages it is written when a package is installed or removed (packaging/debian).
install(CODE "
  if(NOT DEFINED ENV{ZORBLA_PACKAGING})
    set(share \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATAROOTDIR}\")
    execute_process(COMMAND sh \"${packaging}/zorbla-desktop-entry\" \"\${share}\" RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR \"The desktop entry could not be written into \${share}/applications\")
    endif()
    message(STATUS \"Written: \${share}/applications/${ZORBLA_APP_ID}.desktop\")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATAROOTDIR}/applications/${ZORBLA_APP_ID}.desktop\")
  endif()" COMPONENT program)

# The generator draws the icon at 256 px; the smaller theme sizes are scaled from it.
add_executable(zorbla_iconscale ${packaging}/iconscale.cpp)
target_link_libraries(zorbla_iconscale PRIVATE Qt6::Gui)
set(icon_dir ${CMAKE_BINARY_DIR}/icons)
set(icon_outputs)
foreach(size 48 64 128)
  set(out ${icon_dir}/${size}x${size}/${ZORBLA_APP_ID}.png)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}/${size}x${size}
    COMMAND zorbla_iconscale ${ZORBLA_DESIGN_DIR}/icon.png ${out} ${size}
    DEPENDS zorbla_iconscale pack ${ZORBLA_DESIGN_DIR}/icon.png
    VERBATIM)
  list(APPEND icon_outputs ${out})
  install(FILES ${out} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
    COMPONENT program)
endforeach()
add_custom_target(zorbla_icons ALL DEPENDS ${icon_outputs})
install(FILES ${ZORBLA_DESIGN_DIR}/icon.png DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/256x256/apps
  RENAME ${ZORBLA_APP_ID}.png COMPONENT program)
install(FILES ${ZORBLA_DESIGN_DIR}/icon.svg DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps
  RENAME ${ZORBLA_APP_ID}.svg COMPONENT program)

# The manual page and each package's copyright and changelog, as Debian wants them:
# gzip -9n, so that two builds give the same bytes. man finds the page compressed too.
find_program(GZIP gzip REQUIRED)
set(doc_dir ${CMAKE_BINARY_DIR}/debian/doc)
set(man_page ${doc_dir}/zorbla.1.gz)
set(changelog ${doc_dir}/changelog.Debian.gz)
add_custom_command(OUTPUT ${man_page} ${changelog}
  COMMAND ${CMAKE_COMMAND} -E copy ${packaging}/zorbla.1 ${doc_dir}/zorbla.1
  COMMAND ${CMAKE_COMMAND} -E copy ${packaging}/debian/changelog ${doc_dir}/changelog.Debian
  COMMAND ${GZIP} -9nf ${doc_dir}/zorbla.1 ${doc_dir}/changelog.Debian
  DEPENDS ${packaging}/zorbla.1 ${packaging}/debian/changelog
  VERBATIM)
add_custom_target(zorbla_docs ALL DEPENDS ${man_page} ${changelog})
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)
foreach(component program ${ZORBLA_EDITIONS})
  set(package zorbla-${component})
  if(component STREQUAL "program")
    set(package zorbla)
  endif()
  install(FILES ${packaging}/debian/copyright ${changelog}
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
endforeach()

# The Debian packages (scripts/package): the program with English, and each other edition
# in a package of its own, so that a family installs only its language. Library
# dependencies are found by dpkg-shlibdeps; the font is drawn by name at run time, so it is
# named here.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program ${ZORBLA_EDITIONS})
set(CPACK_PACKAGE_NAME zorbla)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The changelog's latest entry names the version packaged: a new version needs an entry.
file(STRINGS ${packaging}/debian/changelog latest LIMIT_COUNT 1)
if(NOT latest MATCHES "^zorbla \\(([^)-]+)-([^)]+)\\) ")
  message(FATAL_ERROR "packaging/debian/changelog does not begin with 'zorbla (VERSION-REVISION) ...'")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/debian/changelog's latest entry is ${CMAKE_MATCH_1}, the project is "
    "${PROJECT_VERSION}: add an entry for it")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_2})
set(ZORBLA_DEBIAN_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(CPACK_PACKAGE_VENDOR "Zorbla")
set(CPACK_PACKAGE_CONTACT "Zorbla developers <zorbla@zorbla.org>")
# Each package's description is its summary line and then its text, within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY IGNORE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME zorbla)
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "alphabet, numbers and colours for young children
Zorbla fills the screen with the letters, the numbers 1 to 10 and six
colours. A child of three to six clicks a letter and hears it, sees
pictures with their words, plays little games and can record their own
voice. All words come from one plain text file, so it can be used in any
language.

This package holds the program and its English edition; the Croatian,
German, French and Spanish editions are the packages zorbla-hr,
zorbla-de, zorbla-fr and zorbla-es.")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PROGRAM_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "fonts-comic-neue")
else()
  set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS
    "fonts-comic-neue, libqt6core6, libqt6gui6, libqt6widgets6, libpulse0, libsndfile1")
endif()
# Qt's own words (the buttons of its message boxes) in the other languages.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, qt6-translations-l10n")
set(ZORBLA_DESKTOP_ENTRY ${CPACK_PACKAGING_INSTALL_PREFIX}/${ZORBLA_SOUND_MODULE_DIR}/zorbla-desktop-entry)
configure_file(${packaging}/debian/postinst.in ${CMAKE_BINARY_DIR}/debian/postinst @ONLY)
file(COPY ${packaging}/debian/postrm ${packaging}/debian/triggers DESTINATION ${CMAKE_BINARY_DIR}/debian)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_CONTROL_EXTRA
  ${CMAKE_BINARY_DIR}/debian/postinst ${CMAKE_BINARY_DIR}/debian/postrm ${CMAKE_BINARY_DIR}/debian/triggers)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Last of all: the list of what was installed, for scripts/uninstall to remove it again.
# The Debian packages have dpkg's own list instead.
install(CODE "set(zorbla_list_dir \"${ZORBLA_SOUND_MODULE_DIR}\")" COMPONENT program)
install(CODE [[
  if(NOT DEFINED ENV{ZORBLA_PACKAGING})
    set(list_file "${CMAKE_INSTALL_PREFIX}/${zorbla_list_dir}/installed-files")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${list_file}")
    list(REMOVE_DUPLICATES CMAKE_INSTALL_MANIFEST_FILES)
    string(REPLACE ";" "\n" lines "${CMAKE_INSTALL_MANIFEST_FILES}")
    file(WRITE "$ENV{DESTDIR}${list_file}" "${lines}\n")
  endif()]] COMPONENT program)

set(edition_names hr Croatian de German fr French es Spanish)
foreach(lang ${ZORBLA_EDITIONS})
  string(TOUPPER ${lang} component)
  list(FIND edition_names ${lang} at)
  math(EXPR at "${at} + 1")
  list(GET edition_names ${at} name)
  set(CPACK_DEBIAN_${component}_PACKAGE_NAME zorbla-${lang})
  set(CPACK_DEBIAN_${component}_PACKAGE_ARCHITECTURE all)
  set(CPACK_DEBIAN_${component}_PACKAGE_DEPENDS "zorbla (= ${ZORBLA_DEBIAN_VERSION})")
  set(CPACK_DEBIAN_${component}_DESCRIPTION "${name} edition of Zorbla
The letter tiles, words, pictures and spoken sounds of Zorbla in ${name}.
With it installed, Zorbla starts in ${name} on a ${name} desktop; the
command zorbla --language ${lang}, or the menu entry's ${name} action,
starts it anywhere.")
endforeach()
include(CPack)
