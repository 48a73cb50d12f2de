cmake_minimum_required(VERSION 3.20)

# Fails when the shared library LIBRARY exports anything but the public API.
# ELF: the dynamic symbol table, read with NM; a DLL: its export table, read
# with OBJDUMP. Names are demangled with CXXFILT and each must start with one
# of the allowed prefixes below, so that an internal helper (the wrapping
# arithmetic, the binary gcd, anything in an anonymous namespace) or a
# standard-library template instantiated by the library shows up here.
#
# The details exported are there on purpose: the inline two-integer
# constructor calls ReportInvalidData from the users' code on invalid data,
# and the formatters of fraction/format.h and fraction/fmt.h call FormatText.
# Another library's check passes its own list as ALLOWED_PREFIXES (separated
# by '|') and a symbol it must export as REQUIRED.
set(allowed_prefixes
  "fraction::TFrac::"
  "fraction::operator"
  "fraction::ContinuedFraction("
  "fraction::Convergents("
  "fraction::Simplest("
  "fraction::EncodeForConsole"
  "fraction::WriteToConsole"
  "fraction::detail::ReportInvalidData()"
  "fraction::detail::FormatText"
  "std::hash<fraction::TFrac>::operator()")
set(required "fraction::TFrac::TFrac(char const*)")
if(ALLOWED_PREFIXES)
  string(REPLACE "|" ";" allowed_prefixes "${ALLOWED_PREFIXES}")
  set(required "${REQUIRED}")
endif()

function(run output)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}\n${err}")
  endif()
  set(${output} "${out}" PARENT_SCOPE)
endfunction()

if(LIBRARY MATCHES "\\.dll$")
  run(table "${OBJDUMP}" -p "${LIBRARY}")
  # The rows of the "[Ordinal/Name Pointer] Table" that ends the export
  # section: "\t[   3] name".
  string(FIND "${table}" "[Ordinal/Name Pointer] Table" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "no export table in ${LIBRARY}")
  endif()
  string(SUBSTRING "${table}" ${at} -1 table)
  string(REGEX REPLACE "\n\n.*" "" table "${table}")
  string(REGEX MATCHALL "\n\t\\[ *[0-9]+\\] [^\n]+" rows "${table}")
  list(TRANSFORM rows REPLACE "^\n\t\\[ *[0-9]+\\] " "")
else()
  run(table "${NM}" -D --defined-only "${LIBRARY}")
  # "address type name".
  string(REGEX MATCHALL "[^\n]+" rows "${table}")
  list(TRANSFORM rows REPLACE "^[0-9a-fA-F]* [A-Za-z] " "")
endif()
list(REMOVE_DUPLICATES rows)
if(NOT rows)
  message(FATAL_ERROR "no exported symbol found in ${LIBRARY}:\n${table}")
endif()

run(demangled "${CXXFILT}" ${rows})
string(REGEX MATCHALL "[^\n]+" symbols "${demangled}")
list(REMOVE_DUPLICATES symbols)
list(SORT symbols)

set(unexpected "")
foreach(symbol IN LISTS symbols)
  set(allowed FALSE)
  foreach(prefix IN LISTS allowed_prefixes)
    string(FIND "${symbol}" "${prefix}" at)
    if(at EQUAL 0)
      set(allowed TRUE)
      break()
    endif()
  endforeach()
  if(NOT allowed)
    list(APPEND unexpected "${symbol}")
  endif()
endforeach()

list(LENGTH symbols count)
list(JOIN symbols "\n  " listing)
message("${count} exported symbols:\n  ${listing}")
# The check would pass on an empty or misread table: the API must be there.
if(NOT required IN_LIST symbols)
  message(FATAL_ERROR "${required} is not exported")
endif()
if(unexpected)
  list(JOIN unexpected "\n  " listing)
  message(FATAL_ERROR "exported but not public API:\n  ${listing}")
endif()
