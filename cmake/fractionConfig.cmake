include("${CMAKE_CURRENT_LIST_DIR}/fractionTargets.cmake")

# The component big gives fraction::big (BigFraction, on GMP), where it was
# installed; GMP is found with the find module installed beside this file.
foreach(fraction_component IN LISTS fraction_FIND_COMPONENTS)
  set(fraction_${fraction_component}_FOUND FALSE)
  if(fraction_component STREQUAL "big"
     AND EXISTS "${CMAKE_CURRENT_LIST_DIR}/fractionBigTargets.cmake")
    set(fraction_module_path "${CMAKE_MODULE_PATH}")
    list(PREPEND CMAKE_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}")
    find_package(GMP 6.0 QUIET)
    set(CMAKE_MODULE_PATH "${fraction_module_path}")
    if(GMP_FOUND)
      include("${CMAKE_CURRENT_LIST_DIR}/fractionBigTargets.cmake")
      set(fraction_big_FOUND TRUE)
    endif()
  endif()
  if(fraction_FIND_REQUIRED_${fraction_component} AND NOT fraction_${fraction_component}_FOUND)
    set(fraction_FOUND FALSE)
    set(fraction_NOT_FOUND_MESSAGE
        "component ${fraction_component} not found: fraction::big needs the library built with "
        "GMP (FRACTION_BIG), and GMP 6 with gmpxx.h where it is used (Debian: libgmp-dev)")
  endif()
endforeach()
