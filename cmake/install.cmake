# Install rules (cmake --install, and the packages made from them).
#
# Linux, below the prefix (/usr in the Debian package):
#   bin/velmora                      the command-line host
#   lib/<multiarch>/velmora/libStats.so  the plug-in, in a private library
#                                    folder (lib/velmora where the system
#                                    names no multiarch triplet)
#   share/man/man1/velmora.1.gz      the manual page, made from velmora's help
#   share/doc/velmora/               README.md, CHANGELOG.md, docs/, copyright,
#                                    changelog.gz (Debian's form)
# Windows, one folder (the zip): velmora.exe beside Stats.dll, INSTALL.txt,
# README.txt and LICENSE.txt with CR LF line ends.
#
# velmora finds the plug-in from its own executable's folder, so the
# folder of the plug-in relative to bin/ is handed to it here.
if(WIN32)
  set(velmora_bin_dir .)
  set(velmora_plugin_dir .)
else()
  set(velmora_bin_dir bin)
  # Debian's place for a package's private shared objects; one outside the
  # linker's search path, so installing it asks for no ldconfig run.
  if(CMAKE_LIBRARY_ARCHITECTURE)
    set(velmora_plugin_dir lib/${CMAKE_LIBRARY_ARCHITECTURE}/velmora)
  else()
    set(velmora_plugin_dir lib/velmora)
  endif()
endif()
file(RELATIVE_PATH velmora_plugin_from_bin /prefix/${velmora_bin_dir} /prefix/${velmora_plugin_dir})
if(velmora_plugin_from_bin STREQUAL "")
  set(velmora_plugin_from_bin .)
endif()
target_compile_definitions(velmora_cli PRIVATE
  VELMORA_INSTALLED_PLUGIN_DIR="${velmora_plugin_from_bin}")
# The sanitizer and fuzz builds are no release: they only need to know where
# velmora looks.
if(VELMORA_SANITIZE OR VELMORA_FUZZ)
  return()
endif()

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(velmora_release_dir ${CMAKE_BINARY_DIR}/release)
set(velmora_text_for_windows ${CMAKE_CURRENT_LIST_DIR}/release/text_for_windows.cmake)

install(TARGETS velmora RUNTIME DESTINATION ${velmora_bin_dir})

if(WIN32)
  # The DLL as the host loads it: already stripped after the link.
  install(FILES $<TARGET_FILE:Stats> DESTINATION ${velmora_plugin_dir})
  configure_file(${CMAKE_CURRENT_LIST_DIR}/release/INSTALL.txt.in ${velmora_release_dir}/INSTALL.txt
                 @ONLY NEWLINE_STYLE CRLF)
  set(windows_texts ${velmora_release_dir}/INSTALL.txt)
  foreach(text README.md:README.txt LICENSE:LICENSE.txt)
    string(REPLACE ":" ";" text ${text})
    list(GET text 0 source)
    list(GET text 1 target)
    add_custom_command(OUTPUT ${velmora_release_dir}/${target}
      COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_SOURCE_DIR}/${source}
              -DOUT=${velmora_release_dir}/${target} -P ${velmora_text_for_windows}
      DEPENDS ${PROJECT_SOURCE_DIR}/${source} ${velmora_text_for_windows}
      COMMENT "${target} for the zip, CR LF")
    list(APPEND windows_texts ${velmora_release_dir}/${target})
  endforeach()
  add_custom_target(velmora_release ALL DEPENDS ${windows_texts})
  add_dependencies(velmora_release velmora Stats)
  install(FILES ${windows_texts} DESTINATION .)
  return()
endif()

install(TARGETS Stats LIBRARY DESTINATION ${velmora_plugin_dir}
  PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# The manual page, from velmora's own help (all its commands'), by help2man.
# A build without help2man configures, and fails only when the page is built.
find_program(VELMORA_HELP2MAN help2man)
set(man_page ${velmora_release_dir}/velmora.1)
set(VELMORA_PLUGIN_DIR ${velmora_plugin_dir})
configure_file(${CMAKE_CURRENT_LIST_DIR}/release/velmora.h2m.in ${velmora_release_dir}/velmora.h2m @ONLY)
set(man_sources ${velmora_release_dir}/velmora.h2m ${CMAKE_CURRENT_LIST_DIR}/release/man-help.sh)
if(VELMORA_HELP2MAN)
  add_custom_command(OUTPUT ${man_page}.gz
    COMMAND ${VELMORA_HELP2MAN} --no-info --no-discard-stderr
            --name "score amateur-radio contest logs through the Velmora plug-in"
            --include ${velmora_release_dir}/velmora.h2m
            --output ${man_page}
            "sh ${CMAKE_CURRENT_LIST_DIR}/release/man-help.sh $<TARGET_FILE:velmora>"
    COMMAND gzip -9nf ${man_page}
    DEPENDS velmora Stats ${man_sources}
    COMMENT "velmora.1, the manual page, from velmora --help")
else()
  add_custom_command(OUTPUT ${man_page}.gz
    COMMAND ${CMAKE_COMMAND} -E echo "velmora.1 is made by help2man, which is missing: scripts/install-deps.sh installs it"
    COMMAND ${CMAKE_COMMAND} -E false)
endif()

# The Debian package's copyright file (the licence, in Debian's
# machine-readable form) and its changelog (a native package's, naming this
# version and its date from the first entry of CHANGELOG.md, which must be
# this version).
include(${CMAKE_CURRENT_LIST_DIR}/release/debian_docs.cmake)
add_custom_command(OUTPUT ${velmora_release_dir}/changelog.gz
  COMMAND gzip -9nfk ${velmora_release_dir}/changelog
  DEPENDS ${velmora_release_dir}/changelog
  COMMENT "changelog.gz, Debian's form")
add_custom_target(velmora_release ALL DEPENDS ${man_page}.gz ${velmora_release_dir}/changelog.gz)
add_dependencies(velmora_release velmora Stats)

install(FILES ${man_page}.gz DESTINATION share/man/man1)
set(doc_dir share/doc/velmora)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/CHANGELOG.md
              ${velmora_release_dir}/changelog.gz ${velmora_release_dir}/copyright
        DESTINATION ${doc_dir})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${doc_dir}/docs)
