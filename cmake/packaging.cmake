# The packages, made by CPack from the install rules (cmake/install.cmake)
# into build/packages/ of the source tree; scripts/package.sh makes both:
#   Linux:   velmora_<version>_<arch>.deb, its dependencies from
#            dpkg-shlibdeps plus hamradio-files (the country file);
#   Windows: Velmora-<version>-win32.zip.
# VELMORA_PACKAGE_FILE names this build's package for the tests.
set(VELMORA_PACKAGE_DIR ${PROJECT_SOURCE_DIR}/build/packages)
set(CPACK_OUTPUT_FILE_PREFIX ${VELMORA_PACKAGE_DIR})
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "the Velmora developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "contest-scoring plug-in with a command-line host")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
# package builds what it packages, not the tests too: scripts/package.sh
# builds the target velmora_release first.
set(CMAKE_SKIP_PACKAGE_ALL_DEPENDENCY ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME Velmora-${PROJECT_VERSION}-win32)
  set(VELMORA_PACKAGE_FILE ${VELMORA_PACKAGE_DIR}/${CPACK_PACKAGE_FILE_NAME}.zip)
else()
  execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE architecture
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${architecture})
  set(CPACK_DEBIAN_FILE_NAME velmora_${PROJECT_VERSION}_${architecture}.deb)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELMORA_MAINTAINER})
  set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS hamradio-files)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  # The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the rest.
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Velmora scores amateur-radio contests around French stations. The package
holds the plug-in as a Linux shared library and velmora, a command-line
host that loads it and feeds it the QSOs of a finished ADIF or Cabrillo
log, one at a time, as the logging host does: it prints the summary and
claimed score, writes the Cabrillo log and an HTML page of the contest,
checks a call, validates an exchange and makes a reference file of French
stations from past logs.")
  set(VELMORA_PACKAGE_FILE ${VELMORA_PACKAGE_DIR}/${CPACK_DEBIAN_FILE_NAME})
endif()
include(CPack)
