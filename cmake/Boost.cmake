# Boost's header-only libraries from Debian's libboost-dev, as the target
# velmora_boost: Asio (sockets, timers, signals on one event loop), Beast
# (HTTP) and PropertyTree (its XML reader). The MinGW build finds headers only
# under its own root, so it is given a folder that holds nothing but a link
# to boost/, rather than all of /usr/include; there Asio needs Windows 7's
# API and the Winsock libraries.
if(TARGET velmora_boost)
  return()
endif()
find_path(BOOST_INCLUDE_DIR boost/version.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(velmora_boost INTERFACE)
target_compile_definitions(velmora_boost INTERFACE BOOST_ASIO_NO_DEPRECATED)
if(CMAKE_CROSSCOMPILING)
  set(only_boost ${CMAKE_BINARY_DIR}/boost-include)
  file(MAKE_DIRECTORY ${only_boost})
  file(CREATE_LINK ${BOOST_INCLUDE_DIR}/boost ${only_boost}/boost SYMBOLIC)
  target_include_directories(velmora_boost SYSTEM INTERFACE ${only_boost})
  target_compile_definitions(velmora_boost INTERFACE _WIN32_WINNT=0x0601 WIN32_LEAN_AND_MEAN)
  target_link_libraries(velmora_boost INTERFACE ws2_32 mswsock)
endif()
