# Compiles SNIPPET with COMPILER, FLAGS and -I for each of INCLUDE_DIRS, once for each
# of STANDARDS (the compiler's options for them); FLAGS, STANDARDS and
# WARNINGS are separated by spaces. A snippet with a line
# "// expect-error: <regex>" must fail to compile under each standard, with
# diagnostics that match the regular expression, so that a typo cannot pass
# for the expected failure; it is compiled without WARNINGS, since what it
# shows is that the language rejects it, whatever a user's warnings. Any
# other snippet must compile with WARNINGS.
file(STRINGS "${SNIPPET}" expectation REGEX "^// expect-error: ")
string(REGEX REPLACE "^// expect-error: " "" pattern "${expectation}")
if(pattern STREQUAL "")
  string(APPEND FLAGS " ${WARNINGS}")
endif()
separate_arguments(flags UNIX_COMMAND "${FLAGS}")
separate_arguments(standards UNIX_COMMAND "${STANDARDS}")
if(NOT standards)
  message(FATAL_ERROR "no C++ standard to compile ${SNIPPET} with")
endif()

# A target without directories of its own leaves an empty item.
set(includes "${INCLUDE_DIRS}")
list(FILTER includes EXCLUDE REGEX "^$")
list(TRANSFORM includes PREPEND "-I")

foreach(standard IN LISTS standards)
  execute_process(
    COMMAND "${COMPILER}" ${standard} ${flags} ${includes} "${SNIPPET}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE diagnostics
    ERROR_VARIABLE diagnostics)
  if(pattern STREQUAL "")
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "${standard}: does not compile:\n${diagnostics}")
    endif()
  elseif(result EQUAL 0)
    message(FATAL_ERROR "${standard}: compiles, but must fail with /${pattern}/")
  elseif(NOT diagnostics MATCHES "${pattern}")
    message(FATAL_ERROR "${standard}: fails, but not with /${pattern}/:\n${diagnostics}")
  endif()
  message(STATUS "${standard}: ${SNIPPET} as expected")
endforeach()
