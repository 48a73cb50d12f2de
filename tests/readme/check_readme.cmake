# Builds README's ```cpp blocks against the library and runs them, checking
# what their comments promise. All of them make one program (one compile),
# each block in a namespace of its own; `#line` points diagnostics at README.
#
# A block is either statements, which run in a function of their own, or a
# whole program with `int main()`, which is also compiled alone, as written.
# A comment after a line's final ';' states the line's result:
#   TFrac sum = x + y;             // 7/6            the variable it declares
#   x.CheckedAdd(y);               // empty          the expression's value
#   std::cout << sum << '\n';      // 7/6            what the line prints
#   constexpr TFrac z(1, 0);       // does not compile
# The comment starts with the result and may go on after ':', ';', ',' or a
# space. A fraction reads as ToString() writes it (7/-2); an optional or a
# pointer as its value, or `empty` or `null`; bool as true or false; text in
# double quotes; numbers as usual; a range as {a, b}; what a line prints to
# std::cout or std::wcout as printed, without its last line break (`nothing`
# for nothing). A line `// Where MACRO is defined...` makes the rest of its
# block build only where the macro is. Comments on lines of their
# own, and on lines that start with if, for, while, do, switch (unless they
# print), else, case, return, static_assert or '}', are prose. A line that
# does not compile is left out of the program and compiled with the rest of
# its block, which must then fail with a diagnostic that names its line.
#
# Variables: README, COMPILER, FLAGS (separated by spaces), INCLUDE_DIRS,
# LIBRARY (a list: the libraries to link, in order), WORK_DIR.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
separate_arguments(flags UNIX_COMMAND "${FLAGS}")
set(includes "${INCLUDE_DIRS}" "${CMAKE_CURRENT_LIST_DIR}")
list(TRANSFORM includes PREPEND "-I")

# What statements take for granted; a block includes any other header.
set(prelude "")
foreach(header fraction/tfrac.h cmath cstdint iostream memory optional sstream string string_view
        unordered_set vector)
  string(APPEND prelude "#include <${header}>\n")
endforeach()

# Compiles SOURCE_TEXT syntax only; sets `result` and `diagnostics`.
function(compile_alone name source_text)
  file(WRITE "${WORK_DIR}/${name}.cpp" "${source_text}")
  execute_process(
    COMMAND "${COMPILER}" ${flags} -fsyntax-only ${includes} "${WORK_DIR}/${name}.cpp"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(result "${result}" PARENT_SCOPE)
  set(diagnostics "${output}" PARENT_SCOPE)
endfunction()

# Lines as a list: ';' and brackets would split or join them, so they travel
# as control characters until a line is taken out.
file(READ "${README}" text)
string(ASCII 1 semicolon)
string(ASCII 2 open)
string(ASCII 3 close)
string(REPLACE ";" "${semicolon}" text "${text}")
string(REPLACE "[" "${open}" text "${text}")
string(REPLACE "]" "${close}" text "${text}")
string(REPLACE "\n" ";" lines "${text}")

# TYPE NAME, then = ..., (...) or {...}, or nothing: a declaration.
string(JOIN "" declaration
  "^ *((const|constexpr|static) +)*[A-Za-z_][A-Za-z0-9_:]*(<.*>)? *[*&]? +"
  "([A-Za-z_][A-Za-z0-9_]*) *(=.*|\\(.*\\)|{.*})?;$")

set(program_includes "")
set(program_blocks "")
set(program_calls "")
set(blocks 0)
set(number 0)
set(in_block FALSE)
foreach(line IN LISTS lines)
  math(EXPR number "${number} + 1")
  string(REPLACE "${semicolon}" ";" line "${line}")
  string(REPLACE "${open}" "[" line "${line}")
  string(REPLACE "${close}" "]" line "${line}")
  set(at "#line ${number} \"${README}\"\n")
  if(NOT in_block)
    if(line MATCHES "^ *```cpp *$")
      set(in_block TRUE)
      set(start ${number})
      set(body "")  # for the program, results checked
      set(raw "")  # as written but for #include, failing lines as markers
      set(block_includes "")
      set(failing "")
      set(whole_program FALSE)
      set(guarded FALSE)
    endif()
    continue()
  endif()

  if(NOT line MATCHES "^ *```")
    if(line MATCHES "^ *#include")
      string(APPEND block_includes "${at}${line}\n")
      continue()
    endif()
    if(line MATCHES "^ *// Where ([A-Za-z0-9_]+) is defined")
      set(guarded TRUE)
      string(APPEND body "#if defined(${CMAKE_MATCH_1})\n")
      string(APPEND raw "#if defined(${CMAKE_MATCH_1})\n")
    endif()
    if(line MATCHES "^int main\\(")
      set(whole_program TRUE)
    elseif(whole_program AND line MATCHES "^}")
      # Off the end of a main() in a namespace would be no return at all.
      string(APPEND body "${at}return 0;\n")
    endif()
    set(code "${line}")
    set(comment "")
    if(line MATCHES "^(.*;) +// (.*)$")
      set(code "${CMAKE_MATCH_1}")
      set(comment "${CMAKE_MATCH_2}")
    endif()
    set(quoted_code "R\"readme(${code})readme\"")
    set(quoted_comment "R\"readme(${comment})readme\"")
    if(comment MATCHES "^does not compile")
      list(APPEND failing ${number})
      set(failing_${number} "${at}${code}\n")
      string(APPEND raw "readme_fails_${number}\n")
      continue()
    endif()
    string(APPEND raw "${at}${line}\n")
    set(emit "${at}${line}\n")
    if(comment STREQUAL "" OR code MATCHES "^ *(else|case|return|static_assert|})[ ({;]")
      # prose
    elseif(code MATCHES "std::w?cout *<<")
      string(CONCAT emit "${at}readme::Expect(${number}, ${quoted_code}, "
        "readme::Printed([&] { ${code} }), ${quoted_comment});\n")
    elseif(code MATCHES "^ *(if|for|while|do|switch)[ ({]")
      # prose
    elseif(code MATCHES "${declaration}")
      string(APPEND emit
        "${at}readme::Check(${number}, ${quoted_code}, ${CMAKE_MATCH_4}, ${quoted_comment});\n")
    else()
      string(REGEX REPLACE ";$" "" expression "${code}")
      set(emit "${at}readme::Check(${number}, ${quoted_code}, (${expression}), ${quoted_comment});\n")
    endif()
    string(APPEND body "${emit}")
    continue()
  endif()

  # The block ends.
  set(in_block FALSE)
  if(guarded)
    string(APPEND body "#endif\n")
    string(APPEND raw "#endif\n")
  endif()
  math(EXPR blocks "${blocks} + 1")
  set(space "readme_line_${start}")
  string(APPEND program_includes "${block_includes}")
  if(whole_program)
    string(APPEND program_blocks "namespace ${space} {\n${body}}  // namespace ${space}\n")
    string(APPEND program_calls "  readme::Check(${start}, \"main()\", ${space}::main(), \"0\");\n")
    set(wrapped_raw "${block_includes}${raw}")
  else()
    string(APPEND program_blocks "namespace ${space} {\nvoid Run() {\n${body}}\n}  // namespace ${space}\n")
    string(APPEND program_calls "  ${space}::Run();\n")
    string(CONCAT wrapped_raw "${prelude}${block_includes}namespace ${space} {\nvoid Run() {\n"
                              "${raw}}\n}  // namespace ${space}\n")
  endif()
  if(whole_program)
    string(REGEX REPLACE "readme_fails_[0-9]+\n" "" alone "${wrapped_raw}")
    compile_alone("${space}" "${alone}")
    if(NOT result EQUAL 0)
      message("${diagnostics}")
      message(SEND_ERROR "README.md:${start}: the program does not compile as written")
    endif()
  endif()
  foreach(failing_line IN LISTS failing)
    string(REPLACE "readme_fails_${failing_line}\n" "${failing_${failing_line}}" source "${wrapped_raw}")
    string(REGEX REPLACE "readme_fails_[0-9]+\n" "" source "${source}")
    compile_alone("readme_line_${failing_line}" "${source}")
    if(result EQUAL 0)
      message(SEND_ERROR "README.md:${failing_line}: compiles, where the comment says it does not")
    elseif(NOT diagnostics MATCHES "README.md:${failing_line}:[0-9]+:")
      message("${diagnostics}")
      message(SEND_ERROR "README.md:${failing_line}: does not compile, but the error is elsewhere")
    else()
      message(STATUS "README.md:${failing_line}: does not compile, as its comment says")
    endif()
  endforeach()
endforeach()
if(in_block)
  message(FATAL_ERROR "README.md:${start}: the block does not end")
endif()

set(source "${WORK_DIR}/readme_examples.cpp")
file(WRITE "${source}" "// Made of README's examples by check_readme.cmake.\n#include \"readme_check.h\"\n"
  "${prelude}${program_includes}${program_blocks}\nint main() {\n${program_calls}"
  "  return readme::Report(${blocks});\n}\n")
set(program "${WORK_DIR}/readme_examples")
execute_process(
  COMMAND "${COMPILER}" ${flags} ${includes} "${source}" ${LIBRARY} -o "${program}"
  RESULT_VARIABLE result OUTPUT_VARIABLE diagnostics ERROR_VARIABLE diagnostics)
if(NOT result EQUAL 0)
  message("${diagnostics}")
  message(FATAL_ERROR "README's examples do not compile (${source})")
endif()
file(WRITE "${WORK_DIR}/no-input" "")
execute_process(COMMAND "${program}" INPUT_FILE "${WORK_DIR}/no-input" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "README's examples do not give what their comments say (${result})")
endif()
