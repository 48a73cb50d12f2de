# The API reference: Doxygen over the public headers, as HTML in
# <build>/html (index.html). Only the headers' `///` comments make it; the
# detail headers, and the detail namespace that tfrac.h opens for its
# templates, stay out, as what users do not call.
find_package(Doxygen)
if(NOT DOXYGEN_FOUND)
  message(FATAL_ERROR "FRACTION_BUILD_DOCS needs Doxygen (Debian: apt-get install doxygen)")
endif()

# Every library's public headers, detail/ excluded by not looking below them.
file(GLOB reference_headers CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/*/include/fraction/*.h"
     "${PROJECT_SOURCE_DIR}/*/*/include/fraction/*.h")

set(DOXYGEN_PROJECT_BRIEF "An exact fraction of two 32-bit integers")
set(DOXYGEN_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}")
set(DOXYGEN_STRIP_FROM_PATH "${PROJECT_SOURCE_DIR}")
# Headers are named as users include them: fraction/tfrac.h.
set(DOXYGEN_STRIP_FROM_INC_PATH ${reference_headers})
list(TRANSFORM DOXYGEN_STRIP_FROM_INC_PATH REPLACE "/fraction/[^/]*$" "")
list(REMOVE_DUPLICATES DOXYGEN_STRIP_FROM_INC_PATH)
set(DOXYGEN_FULL_PATH_NAMES YES)
set(DOXYGEN_EXCLUDE_SYMBOLS detail "fraction::detail")
# A public name without a comment is a warning (EXTRACT_ALL would hide it).
set(DOXYGEN_EXTRACT_ALL NO)
set(DOXYGEN_WARN_IF_UNDOCUMENTED YES)
set(DOXYGEN_QUIET YES)
set(DOXYGEN_GENERATE_TREEVIEW YES)
set(DOXYGEN_SORT_MEMBER_DOCS NO)  # in the headers' order, which groups them
# The headers as a compiler reads them: the export macro, which the
# generated fraction/export.h defines, expands to nothing, and the parts for
# newer standards (std::format, <=>) are shown.
set(DOXYGEN_ENABLE_PREPROCESSING YES)
set(DOXYGEN_MACRO_EXPANSION YES)
set(DOXYGEN_EXPAND_ONLY_PREDEF YES)
set(DOXYGEN_SEARCH_INCLUDES NO)
set(DOXYGEN_PREDEFINED
  "FRACTION_EXPORT=" "FRACTION_NO_EXPORT=" "FRACTION_BIG_EXPORT=" "__SIZEOF_INT128__=16"
  "__cpp_lib_format=202110L"
  "__cpp_impl_three_way_comparison=201907L" "__cpp_lib_three_way_comparison=201907L")
# CI makes a missing comment or a broken reference fail the build, as it
# does compiler warnings; every warning is listed before it stops.
if(FRACTION_WARNINGS_AS_ERRORS)
  set(DOXYGEN_WARN_AS_ERROR FAIL_ON_WARNINGS)
endif()

# The main page and the namespace's comment: with the namespace documented,
# Doxygen names every undocumented function in it too.
doxygen_add_docs(fraction_docs ${reference_headers} "${PROJECT_SOURCE_DIR}/docs/reference.dox"
  ALL USE_STAMP_FILE
  COMMENT "API reference (Doxygen): ${PROJECT_BINARY_DIR}/html/index.html")
