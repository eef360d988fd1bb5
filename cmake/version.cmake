# The program's version, read from the file VERSION at the top: the four numbers of the Windows
# version record (major.minor.build.revision), and the release version, major.minor.revision, that
# the settings dialog, `zorvalite --version`, the packages and the release's file names show.
# Included by CMakeLists.txt; run as a script (cmake -P cmake/version.cmake) it prints the
# release version, for the release script.
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/../VERSION" ZV_VERSION LIMIT_COUNT 1)
if(NOT ZV_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "VERSION holds '${ZV_VERSION}', not four numbers major.minor.build.revision")
endif()
set(ZV_RELEASE_VERSION "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${CMAKE_MATCH_4}")
if(CMAKE_SCRIPT_MODE_FILE)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${ZV_RELEASE_VERSION}")
endif()
