# How Zorbla installs as a desktop program, and its Debian package.
#
#   bin/zorbla
#   share/zorbla/                       the pack: text.txt, images/, sounds/ (read-only; a user
#                                       started from a menu works in a copy of it, see src/app)
#   share/applications/<id>.desktop
#   share/metainfo/<id>.metainfo.xml
#   share/icons/hicolor/<size>/apps/<id>.png, scalable/apps/<id>.svg
include(${CMAKE_CURRENT_LIST_DIR}/app.cmake)
include(GNUInstallDirs)

set(ZORBLA_APP_ID org.zorbla.Zorbla)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS zorbla RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS zorbla_sound LIBRARY DESTINATION ${ZORBLA_SOUND_MODULE_DIR})
# The program finds the pack at ../share/zorbla from its bin/, so these two stay together.
install(DIRECTORY ${ZORBLA_DATA_DIR}/ DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/zorbla
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(FILES ${packaging}/${ZORBLA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${packaging}/${ZORBLA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

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
  install(FILES ${out} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(zorbla_icons ALL DEPENDS ${icon_outputs})
install(FILES ${ZORBLA_DESIGN_DIR}/icon.png DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/256x256/apps
  RENAME ${ZORBLA_APP_ID}.png)
install(FILES ${ZORBLA_DESIGN_DIR}/icon.svg DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps
  RENAME ${ZORBLA_APP_ID}.svg)

# The Debian package (scripts/package). Library dependencies are found by dpkg-shlibdeps;
# the font is drawn by name at run time, so it is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorbla)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zorbla")
set(CPACK_PACKAGE_CONTACT "Zorbla developers <zorbla@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "alphabet, numbers and colours for young children")
set(CPACK_PACKAGE_DESCRIPTION "Zorbla fills the screen with the letters, the numbers 1 to 10 and six colours.
A child of three to six clicks a letter and hears it, sees pictures with their
words, plays little games and can record their own voice. All words come from one
plain text file, so it can be used in any language.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-comic-neue, libqt6core6, libqt6gui6, libqt6widgets6, libpulse0, libsndfile1")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
set(CPACK_STRIP_FILES ON)
include(CPack)
