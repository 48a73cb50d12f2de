# Runs PROGRAM with standard input at end of input in the locale setting
# LOCALE, and checks its standard output byte for byte against EXPECTED,
# an empty standard error and exit status 0.
#   LOCALE: a locale name for LC_ALL, or "unset" for neither LANG nor LC_*.
#   EMULATOR: optional; runs PROGRAM under it (a cross build's runner).
#   LINES: optional; compares only the first LINES lines of both.
#   CRLF: optional, true for a Windows program: each compared line of the
#     output must end in CR LF (text mode), which then compares as LF.
# Prints "SKIPPED: locale not installed" and stops when it is missing.
foreach(variable LANG LANGUAGE LC_ALL LC_CTYPE LC_NUMERIC LC_TIME LC_COLLATE
    LC_MONETARY LC_MESSAGES LC_PAPER LC_NAME LC_ADDRESS LC_TELEPHONE
    LC_MEASUREMENT LC_IDENTIFICATION)
  unset(ENV{${variable}})
endforeach()
if(NOT LOCALE STREQUAL "unset")
  include("${CMAKE_CURRENT_LIST_DIR}/locale_installed.cmake")
  skip_unless_locale_installed("${LOCALE}")
  set(ENV{LC_ALL} "${LOCALE}")
endif()

set(actual "${WORK_DIR}/${LOCALE}.stdout")
set(errors "${WORK_DIR}/${LOCALE}.stderr")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(COMMAND ${EMULATOR} "${PROGRAM}"
  INPUT_FILE /dev/null OUTPUT_FILE "${actual}" ERROR_FILE "${errors}"
  RESULT_VARIABLE status TIMEOUT 60)

set(failures "")
if(NOT status STREQUAL "0")
  string(APPEND failures "exit status ${status}, not 0\n")
endif()
file(READ "${errors}" error_text)
if(NOT error_text STREQUAL "")
  string(APPEND failures "standard error is not empty:\n${error_text}\n")
endif()

# The bytes of `file` as a list of hex pairs, only its first LINES lines
# when LINES is set. With `crlf`, each of those lines must end in CR LF,
# which is read as LF; `error` names the first that does not. (file(READ)
# without HEX is no help: it drops the CR of every CR LF.)
function(read_bytes file crlf result error)
  set(${error} "" PARENT_SCOPE)
  file(READ "${file}" hex HEX)
  string(REGEX MATCHALL ".." bytes "${hex}")
  set(kept "")
  set(lines 0)
  set(previous "")
  foreach(byte IN LISTS bytes)
    if(byte STREQUAL "0a" AND crlf)
      if(previous STREQUAL "0d")
        list(POP_BACK kept)
      elseif(NOT DEFINED bad_end)
        math(EXPR bad_end "${lines} + 1")
        set(${error} "line ${bad_end} ends in LF alone, not CR LF" PARENT_SCOPE)
      endif()
    endif()
    list(APPEND kept ${byte})
    if(byte STREQUAL "0a")
      math(EXPR lines "${lines} + 1")
      if(LINES AND lines EQUAL LINES)
        break()
      endif()
    endif()
    set(previous ${byte})
  endforeach()
  set(${result} "${kept}" PARENT_SCOPE)
endfunction()

if(LINES OR CRLF)
  read_bytes("${EXPECTED}" OFF expected_bytes unused)
  read_bytes("${actual}" "${CRLF}" actual_bytes line_end_error)
  if(NOT line_end_error STREQUAL "")
    string(APPEND failures "standard output: ${line_end_error}\n")
  endif()
  if(NOT expected_bytes STREQUAL actual_bytes)
    set(differs 1)
  endif()
else()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${EXPECTED}" "${actual}"
    RESULT_VARIABLE differs)
endif()
if(differs)
  set(diff_options -u)
  if(CRLF)
    list(APPEND diff_options --strip-trailing-cr)
  endif()
  execute_process(COMMAND diff ${diff_options} "${EXPECTED}" "${actual}" OUTPUT_VARIABLE diff)
  string(APPEND failures "standard output differs from ${EXPECTED}:\n${diff}\n")
endif()
if(failures)
  message(FATAL_ERROR "LOCALE=${LOCALE}: ${failures}")
endif()
