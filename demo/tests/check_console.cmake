# Runs PROGRAM under EMULATOR on a pseudo-terminal (util-linux script), in
# the locale setting LOCALE, with a key typed ahead for its pause; checks
# exit status 0 and that the terminal shows the title TITLE and line LINE of
# EXPECTED, a file in the locale's encoding, as the terminal's encoding is.
# Under Wine this goes through a console, unlike a redirected run: there
# the console's output code page decides what reaches the terminal.
# Prints "SKIPPED: locale not installed" and stops when it is missing.
foreach(variable LANG LANGUAGE LC_ALL LC_CTYPE LC_MESSAGES)
  unset(ENV{${variable}})
endforeach()
include("${CMAKE_CURRENT_LIST_DIR}/locale_installed.cmake")
skip_unless_locale_installed("${LOCALE}")
set(ENV{LC_ALL} "${LOCALE}")

# Line LINE of EXPECTED, without its end.
file(READ "${EXPECTED}" text)
set(number 1)
while(number LESS LINE)
  string(FIND "${text}" "\n" at)
  math(EXPR at "${at} + 1")
  string(SUBSTRING "${text}" ${at} -1 text)
  math(EXPR number "${number} + 1")
endwhile()
string(FIND "${text}" "\n" at)
string(SUBSTRING "${text}" 0 ${at} line)
if(line STREQUAL "")
  message(FATAL_ERROR "${EXPECTED} has no line ${LINE}")
endif()

execute_process(
  COMMAND printf x
  COMMAND script -qfec "'${EMULATOR}' '${PROGRAM}'" /dev/null
  OUTPUT_VARIABLE terminal RESULT_VARIABLE status TIMEOUT 60)

set(failures "")
if(NOT status STREQUAL "0")
  string(APPEND failures "exit status ${status}, not 0\n")
endif()
foreach(shown "${TITLE}" "${line}")
  string(FIND "${terminal}" "${shown}" at)
  if(at EQUAL -1)
    string(APPEND failures "the terminal does not show: ${shown}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "LOCALE=${LOCALE}: ${failures}terminal output:\n${terminal}")
endif()
