# Runs PROGRAM, which leaks on purpose, and passes only when it fails with
# LeakSanitizer's report. A script, since the report ends the program with
# abort() under abort_on_error=1, and CTest counts that as a failure even
# where the output matches.
execute_process(COMMAND "${PROGRAM}" RESULT_VARIABLE result OUTPUT_VARIABLE output
                ERROR_VARIABLE output)
if(result EQUAL 0 OR NOT output MATCHES "LeakSanitizer: detected memory leaks")
  message(FATAL_ERROR "no leak report (exit: ${result}); is detect_leaks on?\n${output}")
endif()
message(STATUS "LeakSanitizer reported the leak (exit: ${result})")
