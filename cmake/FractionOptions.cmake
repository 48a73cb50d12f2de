# Build options as INTERFACE targets that each of our targets links
# PRIVATE, so that none of them leaks into a consumer's build.

add_library(fraction_warnings INTERFACE)
if(MSVC)
  target_compile_options(fraction_warnings INTERFACE
    /W4            # MSVC's level of -Wall -Wextra
    /permissive-)  # standard C++ only, as -Wpedantic asks of the others
  if(FRACTION_WARNINGS_AS_ERRORS)
    target_compile_options(fraction_warnings INTERFACE /WX)
  endif()
else()
  target_compile_options(fraction_warnings INTERFACE
    -Wall -Wextra          # the compilers' common checks
    -Wpedantic             # no extension where standard C++ is meant
    -Wconversion           # 32-bit values must not narrow silently
    -Wsign-conversion      # nor change sign: negation wraps only on purpose
    -Wshadow               # a local must not hide a field
    -Wold-style-cast       # each cast says which kind it is
    -Wnon-virtual-dtor     # a polymorphic class is destroyed whole through its base
    -Woverloaded-virtual   # an overload must not hide a base's virtual
    -Wformat=2             # printf formats checked, and never from data
    -Wimplicit-fallthrough)  # a switch case falls through only when marked
  if(FRACTION_WARNINGS_AS_ERRORS)
    target_compile_options(fraction_warnings INTERFACE -Werror)
  endif()
endif()

# FRACTION_SANITIZE: a list such as "address;undefined"; any report aborts
# the run, so that a test cannot pass over one.
set(FRACTION_SANITIZE "" CACHE STRING "Sanitizers to build with (e.g. address;undefined)")
add_library(fraction_sanitizers INTERFACE)
if(FRACTION_SANITIZE)
  list(JOIN FRACTION_SANITIZE "," sanitizers)
  target_compile_options(fraction_sanitizers INTERFACE
    -fsanitize=${sanitizers} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(fraction_sanitizers INTERFACE -fsanitize=${sanitizers})
endif()

# With FRACTION_BUILD_FUZZERS, every target of ours gets libFuzzer's coverage
# instrumentation, the library included: without it the fuzzer would be blind
# to the branches it is meant to explore. Only the fuzzer itself links
# libFuzzer's runtime and main().
add_library(fraction_fuzzing INTERFACE)
if(FRACTION_BUILD_FUZZERS)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "FRACTION_BUILD_FUZZERS needs clang (libFuzzer); the compiler is "
                        "${CMAKE_CXX_COMPILER_ID}")
  endif()
  target_compile_options(fraction_fuzzing INTERFACE -fsanitize=fuzzer-no-link)
endif()

add_library(fraction_options INTERFACE)
target_link_libraries(fraction_options INTERFACE
  fraction_warnings fraction_sanitizers fraction_fuzzing)
