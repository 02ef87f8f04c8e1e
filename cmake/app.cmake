# The program's own units beside main.cpp, and its version.
target_sources(zorbla PRIVATE
  ${CMAKE_SOURCE_DIR}/src/app/application.cpp
  ${CMAKE_SOURCE_DIR}/src/app/workfolder.cpp
  ${CMAKE_SOURCE_DIR}/src/app/commandline.cpp
  ${CMAKE_SOURCE_DIR}/src/app/edition.cpp
  ${CMAKE_SOURCE_DIR}/src/app/single_start.cpp)
# One program per user and display: on X the window manager is asked to bring the running
# one to the front.
pkg_check_modules(XCB REQUIRED IMPORTED_TARGET GLOBAL xcb)
target_link_libraries(zorbla PRIVATE PkgConfig::XCB)
target_compile_definitions(zorbla PRIVATE ZORBLA_VERSION="${PROJECT_VERSION}")
