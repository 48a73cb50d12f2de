# Finds GMP, the GNU Multiple Precision Arithmetic Library, with its C++
# header, and defines:
#   GMP::gmp    libgmp, with the directories of gmp.h and gmpxx.h
#   GMP::gmpxx  libgmpxx (gmpxx's stream operators), with GMP::gmp
#   GMP_FOUND, GMP_VERSION
# Debian's libgmp-dev ships pkg-config files but no CMake package; this
# looks for the files themselves, so that a cross build finds only its
# target's (none, for Debian's MinGW).
find_path(GMP_INCLUDE_DIR NAMES gmp.h)
find_path(GMP_CXX_INCLUDE_DIR NAMES gmpxx.h)
find_library(GMP_LIBRARY NAMES gmp)
find_library(GMP_CXX_LIBRARY NAMES gmpxx)
mark_as_advanced(GMP_INCLUDE_DIR GMP_CXX_INCLUDE_DIR GMP_LIBRARY GMP_CXX_LIBRARY)

if(GMP_INCLUDE_DIR AND EXISTS "${GMP_INCLUDE_DIR}/gmp.h")
  file(STRINGS "${GMP_INCLUDE_DIR}/gmp.h" gmp_version_lines
       REGEX "^#define __GNU_MP_VERSION(_MINOR|_PATCHLEVEL)? +[0-9]+")
  set(GMP_VERSION "")
  foreach(part "" _MINOR _PATCHLEVEL)
    string(REGEX MATCH "__GNU_MP_VERSION${part} +([0-9]+)" match "${gmp_version_lines}")
    list(APPEND GMP_VERSION "${CMAKE_MATCH_1}")
  endforeach()
  list(JOIN GMP_VERSION "." GMP_VERSION)
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(GMP
  REQUIRED_VARS GMP_LIBRARY GMP_INCLUDE_DIR GMP_CXX_INCLUDE_DIR
  VERSION_VAR GMP_VERSION)

if(GMP_FOUND AND NOT TARGET GMP::gmp)
  # The compiler's own directories (Debian's /usr/include and its
  # multiarch one) stay out: given again with -I, they come before libc++'s
  # headers, whose #include_next then misses the C library's.
  set(gmp_include_dirs "${GMP_INCLUDE_DIR}" "${GMP_CXX_INCLUDE_DIR}")
  list(REMOVE_DUPLICATES gmp_include_dirs)
  list(REMOVE_ITEM gmp_include_dirs ${CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES})
  add_library(GMP::gmp UNKNOWN IMPORTED)
  set_target_properties(GMP::gmp PROPERTIES
    IMPORTED_LOCATION "${GMP_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${gmp_include_dirs}")
endif()
if(GMP_FOUND AND GMP_CXX_LIBRARY AND NOT TARGET GMP::gmpxx)
  add_library(GMP::gmpxx UNKNOWN IMPORTED)
  set_target_properties(GMP::gmpxx PROPERTIES
    IMPORTED_LOCATION "${GMP_CXX_LIBRARY}"
    INTERFACE_LINK_LIBRARIES GMP::gmp)
endif()
