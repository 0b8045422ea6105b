# CLI11, the header-only command-line parser from Debian's libcli11-dev, as
# the target CLI11::CLI11. The MinGW build finds headers only under its own
# root, so it is given a folder that holds nothing but CLI11's headers
# rather than all of /usr/include.
if(TARGET CLI11::CLI11)
  return()
endif()
find_path(CLI11_INCLUDE_DIR CLI/CLI.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(CLI11::CLI11 INTERFACE IMPORTED)
if(CMAKE_CROSSCOMPILING)
  set(only_cli11 ${CMAKE_BINARY_DIR}/cli11-include)
  file(MAKE_DIRECTORY ${only_cli11})
  file(CREATE_LINK ${CLI11_INCLUDE_DIR}/CLI ${only_cli11}/CLI SYMBOLIC)
  target_include_directories(CLI11::CLI11 INTERFACE ${only_cli11})
else()
  target_include_directories(CLI11::CLI11 INTERFACE ${CLI11_INCLUDE_DIR})
endif()
