# Runs PROGRAM with standard input at end of input in the locale setting
# LOCALE, and checks its standard output byte for byte against EXPECTED,
# an empty standard error and exit status 0.
#   LOCALE: a locale name for LC_ALL, or "unset" for neither LANG nor LC_*.
#   EMULATOR: optional; runs PROGRAM under it (a cross build's runner).
# Exits with SKIP_CODE (77) when the locale is not installed.
foreach(variable LANG LANGUAGE LC_ALL LC_CTYPE LC_NUMERIC LC_TIME LC_COLLATE
    LC_MONETARY LC_MESSAGES LC_PAPER LC_NAME LC_ADDRESS LC_TELEPHONE
    LC_MEASUREMENT LC_IDENTIFICATION)
  unset(ENV{${variable}})
endforeach()
if(NOT LOCALE STREQUAL "unset")
  set(ENV{LC_ALL} "${LOCALE}")
  execute_process(COMMAND locale -a OUTPUT_VARIABLE locales)
  string(TOLOWER "${locales}" locales)
  string(TOLOWER "${LOCALE}" wanted)
  string(REPLACE "-" "" wanted "${wanted}")
  if(NOT wanted MATCHES "^(c|posix)$" AND NOT locales MATCHES "(^|\n)${wanted}(\n|$)")
    message("locale ${LOCALE} is not installed")
    cmake_language(EXIT 77)
  endif()
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
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${EXPECTED}" "${actual}"
  RESULT_VARIABLE differs)
if(differs)
  execute_process(COMMAND diff -u "${EXPECTED}" "${actual}" OUTPUT_VARIABLE diff)
  string(APPEND failures "standard output differs from ${EXPECTED}:\n${diff}\n")
endif()
if(failures)
  message(FATAL_ERROR "LOCALE=${LOCALE}: ${failures}")
endif()
