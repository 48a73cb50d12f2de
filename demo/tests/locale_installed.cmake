# locale_installed(<name> <result>): sets <result> to whether the C library
# has the locale <name>, matched as glibc normalises codeset names
# (ru_RU.KOI8-R is listed as ru_RU.koi8r). C and POSIX always exist.
function(locale_installed name result)
  string(TOLOWER "${name}" wanted)
  string(REPLACE "-" "" wanted "${wanted}")
  if(wanted MATCHES "^(c|posix)$")
    set(${result} TRUE PARENT_SCOPE)
    return()
  endif()
  execute_process(COMMAND locale -a OUTPUT_VARIABLE locales ERROR_QUIET)
  string(TOLOWER "${locales}" locales)
  if(locales MATCHES "(^|\n)${wanted}(\n|$)")
    set(${result} TRUE PARENT_SCOPE)
  else()
    set(${result} FALSE PARENT_SCOPE)
  endif()
endfunction()

# skip_unless_locale_installed(<name>): where the locale is missing, ends
# the calling script with the text that the tests' SKIP_REGULAR_EXPRESSION
# reports as skipped. A macro, so that its return() leaves the caller.
macro(skip_unless_locale_installed name)
  locale_installed("${name}" locale_is_installed)
  if(NOT locale_is_installed)
    message("SKIPPED: locale not installed: ${name}")
    return()
  endif()
endmacro()
