# The test fraction.readme_examples: for each page that PAGES_FILE names,
# compiles its examples as written, from the includes the page shows alone,
# and each line that must not compile; then builds the pages' programs in
# BUILD_DIR (configuration CONFIG) and runs them, which checks the results
# their comments state (examples.cmake says how). A failure names the page
# and the line.
#
# PAGES_FILE calls check(PAGE LABEL TARGET PROGRAM INCLUDE_DIRS DEFINITIONS)
# for each page with examples, and skip(LABEL REASON) for each that this
# build cannot check. Other variables: COMPILER, FLAGS (separated by
# spaces), WORK_DIR.
cmake_minimum_required(VERSION 3.20)
include("${CMAKE_CURRENT_LIST_DIR}/examples.cmake")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
separate_arguments(flags UNIX_COMMAND "${FLAGS}")

set(targets "")
set(programs "")
set(labels "")

function(skip label reason)
  message(STATUS "${label}: skipped: ${reason}")
endfunction()

# Compiles SOURCE_TEXT syntax only, with the page's include directories and
# definitions; sets `result` and `diagnostics`.
function(compile_alone name source_text)
  file(WRITE "${WORK_DIR}/${name}.cpp" "${source_text}")
  execute_process(
    COMMAND "${COMPILER}" -fsyntax-only ${flags} ${options} "${WORK_DIR}/${name}.cpp"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(result "${result}" PARENT_SCOPE)
  set(diagnostics "${output}" PARENT_SCOPE)
endfunction()

function(check page label target program include_dirs definitions)
  read_examples("${page}" "${label}")
  set(options "${include_dirs}")
  list(REMOVE_ITEM options "")
  list(TRANSFORM options PREPEND "-I")
  foreach(definition IN LISTS definitions)
    list(APPEND options "-D${definition}")
  endforeach()
  string(MAKE_C_IDENTIFIER "${label}" name)
  string(REPLACE "." "\\." label_pattern "${label}")

  string(REGEX REPLACE "readme_fails_[0-9]+\n" "" as_written "${examples_as_written}")
  compile_alone("${name}" "${as_written}")
  if(NOT result EQUAL 0)
    message("${diagnostics}")
    message(SEND_ERROR "${label}: the examples do not compile as written, from the page's includes")
  endif()
  foreach(start IN LISTS examples_whole_programs)
    compile_alone("${name}_${start}" "${examples_whole_program_${start}}")
    if(NOT result EQUAL 0)
      message("${diagnostics}")
      message(SEND_ERROR "${label}:${start}: the program does not compile as written")
    endif()
  endforeach()
  foreach(line IN LISTS examples_failing)
    string(REPLACE "readme_fails_${line}\n" "${examples_failing_${line}}" source
                   "${examples_as_written}")
    string(REGEX REPLACE "readme_fails_[0-9]+\n" "" source "${source}")
    compile_alone("${name}_${line}" "${source}")
    if(result EQUAL 0)
      message(SEND_ERROR "${label}:${line}: compiles, where the comment says it does not")
    elseif(NOT diagnostics MATCHES "${label_pattern}:${line}:[0-9]+:")
      message("${diagnostics}")
      message(SEND_ERROR "${label}:${line}: does not compile, but the error is elsewhere")
    else()
      message(STATUS "${label}:${line}: does not compile, as its comment says")
    endif()
  endforeach()
  set(targets ${targets} ${target} PARENT_SCOPE)
  set(programs ${programs} "${program}" PARENT_SCOPE)
  set(labels ${labels} "${label}" PARENT_SCOPE)
endfunction()

include("${PAGES_FILE}")
if(NOT targets)
  return()
endif()

set(config "")
if(CONFIG)
  set(config --config "${CONFIG}")
endif()
execute_process(
  COMMAND "${CMAKE_COMMAND}" --build "${BUILD_DIR}" ${config} --target ${targets}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message("${output}")
  message(FATAL_ERROR "The pages' examples do not build: see the lines named above")
endif()
file(WRITE "${WORK_DIR}/no-input" "")
foreach(program label IN ZIP_LISTS programs labels)
  execute_process(COMMAND "${program}" INPUT_FILE "${WORK_DIR}/no-input" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(SEND_ERROR "${label}: the examples do not give what their comments say (${result})")
  endif()
endforeach()
