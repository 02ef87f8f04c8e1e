# The program's own units beside main.cpp, and its version.
target_sources(zorbla PRIVATE
  ${CMAKE_SOURCE_DIR}/src/app/application.cpp
  ${CMAKE_SOURCE_DIR}/src/app/workfolder.cpp
  ${CMAKE_SOURCE_DIR}/src/app/commandline.cpp
  ${CMAKE_SOURCE_DIR}/src/app/edition.cpp)
target_compile_definitions(zorbla PRIVATE ZORBLA_VERSION="${PROJECT_VERSION}")
