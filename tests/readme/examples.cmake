# Reads the ```cpp blocks of one page (README.md, docs/*.md) into the sources
# that check them: the page as written, and a program that checks what the
# comments promise. A page's blocks make one program, each block in a
# namespace of its own, from the includes the page shows and nothing else;
# `#line` points diagnostics at the page.
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
# the page, which must then fail with a diagnostic that names its line.

# read_examples(PAGE LABEL) sets, for the page at PAGE, named LABEL
# (README.md, docs/value.md) in messages:
#   examples_blocks          how many ```cpp blocks it has
#   examples_program         the program that runs them and checks results
#   examples_as_written      its includes and blocks as a reader sees them,
#                            with a marker line `readme_fails_N` for each
#                            line N that does not compile
#   examples_failing         those lines' numbers; examples_failing_N is
#                            line N, to put in place of its marker
#   examples_whole_programs  the first lines of the blocks with main();
#                            examples_whole_program_N is block N alone
function(read_examples page label)
  # Lines as a list: ';' and brackets would split or join them, so they
  # travel as control characters until a line is taken out.
  file(READ "${page}" text)
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

  set(page_includes "")
  set(checked_blocks "")  # for the program, results checked
  set(written_blocks "")  # as written, failing lines as markers
  set(calls "")
  set(failing "")
  set(whole_programs "")
  set(blocks 0)
  set(number 0)
  set(in_block FALSE)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    string(REPLACE "${semicolon}" ";" line "${line}")
    string(REPLACE "${open}" "[" line "${line}")
    string(REPLACE "${close}" "]" line "${line}")
    set(at "#line ${number} \"${page}\"\n")
    if(NOT in_block)
      if(line MATCHES "^ *```cpp *$")
        set(in_block TRUE)
        set(start ${number})
        set(body "")  # for the program, results checked
        set(raw "")  # as written but for #include, failing lines as markers
        set(block_includes "")
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
        string(APPEND raw "${at}return 0;\n")
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
        set(examples_failing_${number} "${at}${code}\n" PARENT_SCOPE)
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
    string(APPEND page_includes "${block_includes}")
    if(whole_program)
      string(APPEND checked_blocks "namespace ${space} {\n${body}}  // namespace ${space}\n")
      string(APPEND written_blocks "namespace ${space} {\n${raw}}  // namespace ${space}\n")
      string(APPEND calls "  readme::Check(${start}, \"main()\", ${space}::main(), \"0\");\n")
      list(APPEND whole_programs ${start})
      string(REGEX REPLACE "readme_fails_[0-9]+\n" "" alone "${block_includes}${raw}")
      set(examples_whole_program_${start} "${alone}" PARENT_SCOPE)
    else()
      string(CONCAT wrapped "namespace ${space} {\nvoid Run() {\n${body}}\n"
                            "}  // namespace ${space}\n")
      string(APPEND checked_blocks "${wrapped}")
      string(APPEND written_blocks "namespace ${space} {\nvoid Run() {\n${raw}}\n}  // namespace ${space}\n")
      string(APPEND calls "  readme::RunBlock(${start}, ${space}::Run);\n")
    endif()
  endforeach()
  if(in_block)
    message(FATAL_ERROR "${label}:${start}: the block does not end")
  endif()

  set(examples_blocks ${blocks} PARENT_SCOPE)
  string(CONCAT program "// Made of ${label}'s examples by tests/readme/examples.cmake.\n"
    "#include \"readme_check.h\"\n${page_includes}${checked_blocks}\nint main() {\n"
    "  readme::page = \"${label}\";\n${calls}  return readme::Report(${blocks});\n}\n")
  set(examples_program "${program}" PARENT_SCOPE)
  set(examples_as_written "${page_includes}${written_blocks}" PARENT_SCOPE)
  set(examples_failing "${failing}" PARENT_SCOPE)
  set(examples_whole_programs "${whole_programs}" PARENT_SCOPE)
endfunction()
