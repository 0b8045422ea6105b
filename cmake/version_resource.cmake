# A Windows version resource (what Explorer shows under Properties, Details)
# in Stats.dll and velmora.exe: file and product version from
# project(VERSION), product name, description, copyright. It adds a resource
# section only: the exports and imports of the DLL stay as they are.
if(NOT WIN32)
  return()
endif()

# velmora_version_resource(TARGET FILE_NAME FILE_TYPE DESCRIPTION): the
# resource for one module; FILE_TYPE is VFT_DLL or VFT_APP.
function(velmora_version_resource target file_name file_type description)
  set(VELMORA_FILE_NAME ${file_name})
  set(VELMORA_FILE_TYPE ${file_type})
  set(VELMORA_FILE_DESCRIPTION ${description})
  set(rc ${CMAKE_BINARY_DIR}/version_resource/${target}_version.rc)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/release/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

velmora_version_resource(Stats Stats.dll VFT_DLL "Velmora contest-scoring plug-in")
velmora_version_resource(velmora velmora.exe VFT_APP "Velmora command-line host")
