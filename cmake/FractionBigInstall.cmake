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

# fraction-big.pc, by cmake/FractionInstall.cmake's function.
fraction_install_pkg_config(fraction-big)
