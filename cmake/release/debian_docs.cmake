# Writes, at configure time, into ${velmora_release_dir}:
#   copyright  the licence in Debian's machine-readable copyright format;
#   changelog  the changelog of a native package, one entry: this version.
# Both are made from the project's own files (LICENSE, CHANGELOG.md), which
# stay the only place of their text; a change to either configures again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/CHANGELOG.md)

# copyright: the licence's first line names it, the third holds the holder;
# the rest is its text, each line indented, blank lines as " .".
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE licence_lines)
list(GET licence_lines 2 holder)
string(REGEX REPLACE "^Copyright \\(c\\) " "" holder "${holder}")
list(SUBLIST licence_lines 4 -1 licence_text)
set(indented "")
foreach(line IN LISTS licence_text)
  if(line STREQUAL "")
    string(APPEND indented " .\n")
  else()
    string(APPEND indented " ${line}\n")
  endif()
endforeach()
file(WRITE ${velmora_release_dir}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: velmora

Files: *
Copyright: ${holder}
License: Expat
${indented}")

# changelog: the first entry of CHANGELOG.md is "## VERSION (YYYY-MM-DD)".
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md first_entry REGEX "^## " LIMIT_COUNT 1)
if(NOT first_entry MATCHES "^## ([0-9]+\\.[0-9]+\\.[0-9]+) \\(([0-9]+-[0-9]+-[0-9]+)\\)$"
   OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "CHANGELOG.md: the first entry must be \"## ${PROJECT_VERSION} (YYYY-MM-DD)\", "
                      "the version of project(); it is \"${first_entry}\"")
endif()
execute_process(COMMAND date -u -R -d "${CMAKE_MATCH_2}" OUTPUT_VARIABLE release_date
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${velmora_release_dir}/changelog
"velmora (${PROJECT_VERSION}) unstable; urgency=medium

  * Velmora ${PROJECT_VERSION}. What this release holds is in CHANGELOG.md
    beside this file.

 -- ${VELMORA_MAINTAINER}  ${release_date}
")
