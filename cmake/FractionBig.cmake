# BigFraction, the library fraction::big, needs GMP. FRACTION_BIG decides
# whether it is built: AUTO (the default) where GMP is found, saying so
# where it is not; ON makes GMP's absence an error; OFF leaves it out.
set(FRACTION_BIG AUTO CACHE STRING "Build BigFraction (fraction::big, needs GMP): AUTO, ON or OFF")
set_property(CACHE FRACTION_BIG PROPERTY STRINGS AUTO ON OFF)

if(FRACTION_BIG STREQUAL "AUTO")
  find_package(GMP 6.0 QUIET)
  if(NOT GMP_FOUND)
    message(STATUS "GMP 6 not found (Debian: libgmp-dev): BigFraction (fraction::big) is skipped; "
                   "-D FRACTION_BIG=ON makes this an error")
  endif()
elseif(FRACTION_BIG)
  find_package(GMP 6.0)
  if(NOT GMP_FOUND)
    message(FATAL_ERROR "FRACTION_BIG is ON, and GMP 6 with gmpxx.h is not found "
                        "(Debian: libgmp-dev)")
  endif()
endif()

if(FRACTION_BIG AND GMP_FOUND)
  add_subdirectory(fraction/big)
endif()
