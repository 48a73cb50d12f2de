# Runs FUZZER with OPTIONS over a fresh working corpus in WORK_DIR, seeded
# from SEED_CORPUS. libFuzzer writes the inputs it finds into the first
# corpus directory it is given, so the checked-in seeds come second and are
# only read. A finding goes to WORK_DIR/artifacts, the log to WORK_DIR/fuzz.log.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/corpus" "${WORK_DIR}/artifacts")
separate_arguments(options UNIX_COMMAND "${OPTIONS}")
set(log "${WORK_DIR}/fuzz.log")
set(command "${FUZZER}" ${options} -print_final_stats=1 "-artifact_prefix=${WORK_DIR}/artifacts/"
            "${WORK_DIR}/corpus" "${SEED_CORPUS}")
list(JOIN command " " shown)
message(STATUS "Running: ${shown}")
execute_process(COMMAND ${command} RESULT_VARIABLE result OUTPUT_FILE "${log}" ERROR_FILE "${log}")

if(result EQUAL 0)
  # libFuzzer logs every input it adds; the summary is enough here.
  file(STRINGS "${log}" summary REGEX "^(INFO: Seed|INFO: seed corpus|Done |stat::)")
  list(JOIN summary "\n" summary)
  message("${summary}")
else()
  # The report of the finding stands at the end of the log.
  file(SIZE "${log}" size)
  set(offset 0)
  if(size GREATER 12000)
    math(EXPR offset "${size} - 12000")
  endif()
  file(READ "${log}" tail OFFSET ${offset})
  file(GLOB findings "${WORK_DIR}/artifacts/*")
  message("${tail}")
  message(FATAL_ERROR "the fuzzer failed (${result}); the input: ${findings}")
endif()
