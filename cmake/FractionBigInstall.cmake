# Install rules of fraction::big, included from fraction/big/CMakeLists.txt:
# the library and its header beside fraction's, its own export set (so that
# find_package(fraction) without the component needs no GMP), the find
# module its users' find_package(fraction COMPONENTS big) needs for GMP, and
# fraction-big.pc. The components Runtime and Development are fraction's.
set(big_config_dir "${CMAKE_INSTALL_LIBDIR}/cmake/fraction")

install(TARGETS fraction_big EXPORT fractionBigTargets
  RUNTIME COMPONENT Runtime
  LIBRARY COMPONENT Runtime NAMELINK_COMPONENT Development
  ARCHIVE COMPONENT Development)
install(DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/include/"
        DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}" COMPONENT Development)
install(FILES "${big_generated_include}/fraction/big_export.h"
        DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/fraction" COMPONENT Development)
install(EXPORT fractionBigTargets NAMESPACE fraction:: DESTINATION "${big_config_dir}"
        COMPONENT Development)
install(FILES "${PROJECT_SOURCE_DIR}/cmake/FindGMP.cmake"
        DESTINATION "${big_config_dir}" COMPONENT Development)

# pkg-config finds the prefix from where the file lies, as for fraction.pc.
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(FRACTION_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
else()
  file(RELATIVE_PATH up "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
  string(REGEX REPLACE "/$" "" up "${up}")
  set(FRACTION_PC_PREFIX "\${pcfiledir}/${up}")
endif()
foreach(dir LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
    set(FRACTION_PC_${dir} "${CMAKE_INSTALL_${dir}}")
  else()
    set(FRACTION_PC_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
  endif()
endforeach()
configure_file("${PROJECT_SOURCE_DIR}/cmake/fraction-big.pc.in" fraction-big.pc @ONLY)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/fraction-big.pc"
        DESTINATION "${CMAKE_INSTALL_LIBDIR}/pkgconfig" COMPONENT Development)
