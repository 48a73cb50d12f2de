# Replays every seed in SEED_CORPUS once, then runs FUZZER with OPTIONS
# (and the DICTIONARY, if given) over a fresh working corpus in WORK_DIR,
# seeded from SEED_CORPUS. libFuzzer writes the inputs it finds into the
# first corpus directory it is given, so the checked-in seeds come second and
# are only read. A finding goes to WORK_DIR/artifacts, the logs to
# WORK_DIR/replay.log and WORK_DIR/fuzz.log.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/corpus" "${WORK_DIR}/artifacts")

# The report of a failure stands at the end of its log.
function(fail log what)
  file(SIZE "${log}" size)
  set(offset 0)
  if(size GREATER 12000)
    math(EXPR offset "${size} - 12000")
  endif()
  file(READ "${log}" tail OFFSET ${offset})
  file(GLOB findings "${WORK_DIR}/artifacts/*")
  message("${tail}")
  message(FATAL_ERROR "${what}; the input: ${findings}")
endfunction()

# Each seed as a file of its own, whole whatever its length, each bounded in
# time: what a long run once found and was kept as a seed fails here, named,
# before the timed run starts.
file(GLOB seeds LIST_DIRECTORIES false "${SEED_CORPUS}/*")
set(log "${WORK_DIR}/replay.log")
message(STATUS "Replaying the seed corpus")
execute_process(COMMAND "${FUZZER}" -timeout=60 "-artifact_prefix=${WORK_DIR}/artifacts/" ${seeds}
                RESULT_VARIABLE result OUTPUT_FILE "${log}" ERROR_FILE "${log}")
if(NOT result EQUAL 0)
  fail("${log}" "a seed failed (${result})")
endif()

separate_arguments(options UNIX_COMMAND "${OPTIONS}")
if(DICTIONARY)
  list(APPEND options "-dict=${DICTIONARY}")
endif()
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
  fail("${log}" "the fuzzer failed (${result})")
endif()
