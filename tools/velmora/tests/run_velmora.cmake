# Runs velmora once and checks what it did, for CTest:
#   cmake -DSTATUS=<exit status> [-DSTDERR=<regex>] [-DSTDOUT=<regex>]
#         [-DGOLDEN=<file standard output must equal>]
#         [-DUNCHANGED=<file that must keep its bytes>]
#         [-DFILE=<file written by the run> [-DFILE_MATCHES=<regex>] [-DFILE_LACKS=<regex>]
#          [-DFILE_GOLDEN=<file>]] [-DINPUT=<file given on standard input>]
#         [-DABSENT=<file the run must not write>]
#         [-DWORK=<folder made afresh as a copy of -DEXAMPLES=<folder>>]
#         -P run_velmora.cmake -- [emulator...] velmora args...
set(command)
set(take OFF)
foreach(i RANGE ${CMAKE_ARGC})
  if(take AND DEFINED CMAKE_ARGV${i})
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif("${CMAKE_ARGV${i}}" STREQUAL "--")
    set(take ON)
  endif()
endforeach()

if(DEFINED WORK)
  file(REMOVE_RECURSE "${WORK}")
  file(COPY "${EXAMPLES}/" DESTINATION "${WORK}")
endif()
if(DEFINED UNCHANGED)
  file(SHA256 "${UNCHANGED}" before)
endif()

# No terminal on standard input: the header form of an export is then not shown.
if(NOT DEFINED INPUT)
  set(INPUT /dev/null)
endif()
execute_process(COMMAND ${command} INPUT_FILE "${INPUT}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(shown "command: ${command}\nstatus: ${status}\nstdout:\n${out}\nstderr:\n${err}")
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "expected exit status ${STATUS}\n${shown}")
endif()
if(DEFINED STDERR AND NOT err MATCHES "${STDERR}")
  message(FATAL_ERROR "standard error does not match ${STDERR}\n${shown}")
endif()
if(DEFINED STDOUT AND NOT out MATCHES "${STDOUT}")
  message(FATAL_ERROR "standard output does not match ${STDOUT}\n${shown}")
endif()
# Fails unless `text` (what `what` holds) has the bytes of the file `golden`.
function(expect_golden what text golden)
  file(READ "${golden}" expected)
  if(NOT text STREQUAL expected)
    message(FATAL_ERROR "${what} differs from ${golden}:\n${text}\n${shown}")
  endif()
endfunction()

if(DEFINED GOLDEN)
  expect_golden("standard output" "${out}" "${GOLDEN}")
endif()
if(DEFINED UNCHANGED)
  file(SHA256 "${UNCHANGED}" after)
  if(NOT before STREQUAL after)
    message(FATAL_ERROR "${UNCHANGED} was changed\n${shown}")
  endif()
endif()
if(DEFINED ABSENT AND EXISTS "${ABSENT}")
  message(FATAL_ERROR "${ABSENT} was written\n${shown}")
endif()
if(DEFINED FILE)
  if(NOT EXISTS "${FILE}")
    message(FATAL_ERROR "${FILE} was not written\n${shown}")
  endif()
  file(READ "${FILE}" written)
  if(DEFINED FILE_MATCHES AND NOT written MATCHES "${FILE_MATCHES}")
    message(FATAL_ERROR "${FILE} does not match ${FILE_MATCHES}:\n${written}\n${shown}")
  endif()
  if(DEFINED FILE_LACKS AND written MATCHES "${FILE_LACKS}")
    message(FATAL_ERROR "${FILE} holds ${FILE_LACKS}:\n${written}\n${shown}")
  endif()
  if(DEFINED FILE_GOLDEN)
    expect_golden("${FILE}" "${written}" "${FILE_GOLDEN}")
  endif()
endif()
