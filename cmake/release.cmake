# A release of Velmora: the version in the Windows file properties, the
# install rules, and the two packages (a Debian package on Linux, a zip on
# Windows). Every version shown comes from project(VERSION).
set(VELMORA_MAINTAINER "The Velmora developers <velmora@example.org>")
include(${CMAKE_CURRENT_LIST_DIR}/version_resource.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/install.cmake)
if(NOT VELMORA_SANITIZE AND NOT VELMORA_FUZZ)  # no release
  include(${CMAKE_CURRENT_LIST_DIR}/packaging.cmake)
endif()
