# Install rules of the library: its files in two components (Runtime and
# Development), the CMake package (targets, config and version files) and a
# pkg-config file. fraction/CMakeLists.txt includes it, where FRACTION_INSTALL
# asks for them, once the target fraction exists: relative paths, the
# current directories, fraction_type and generated_include are that file's.

include(CMakePackageConfigHelpers)
set(config_dir "${CMAKE_INSTALL_LIBDIR}/cmake/fraction")

# A prefix holds one kind of the library. With both, -lfraction links the
# shared one, and the CMake package and export.h describe whichever came
# last: installing the other kind over an install would switch its users
# without a word, so it stops before it copies anything.
string(REGEX REPLACE "_LIBRARY$" "" kind "${fraction_type}")
string(TOLOWER "${kind}" kind_name)
string(CONFIGURE [[
  set(installed "@config_dir@/fractionTargets.cmake")
  if(NOT IS_ABSOLUTE "${installed}")
    set(installed "${CMAKE_INSTALL_PREFIX}/${installed}")
  endif()
  if(EXISTS "$ENV{DESTDIR}${installed}")
    file(STRINGS "$ENV{DESTDIR}${installed}" found REGEX "^add_library\\(fraction::fraction ")
    string(REGEX MATCH "STATIC|SHARED" found "${found}")
    if(NOT found STREQUAL "@kind@")
      string(TOLOWER "${found}" found)
      message(FATAL_ERROR "${CMAKE_INSTALL_PREFIX} holds the ${found} fraction library, "
        "and this build's is @kind_name@: installed together, its users would switch "
        "from one to the other without a word. Install this one into a prefix of its "
        "own, or remove the other first (its build's install_manifest.txt lists its files).")
    endif()
  endif()
]] check_kind @ONLY)
# Either component alone would mix the kinds too.
install(CODE "${check_kind}" COMPONENT Runtime)
install(CODE "${check_kind}" COMPONENT Development)

# Two components, so that a shared build can be packaged as a runtime and a
# development part: what programs need at run time, and the rest.
install(TARGETS fraction EXPORT fractionTargets
  RUNTIME COMPONENT Runtime
  LIBRARY COMPONENT Runtime NAMELINK_COMPONENT Development
  ARCHIVE COMPONENT Development)
install(DIRECTORY include/ DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}" COMPONENT Development)
install(FILES "${generated_include}/fraction/export.h"
        DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/fraction" COMPONENT Development)
install(EXPORT fractionTargets NAMESPACE fraction:: DESTINATION "${config_dir}"
        COMPONENT Development)

write_basic_package_version_file(
  "${CMAKE_CURRENT_BINARY_DIR}/fractionConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)
install(FILES
  "${PROJECT_SOURCE_DIR}/cmake/fractionConfig.cmake"
  "${CMAKE_CURRENT_BINARY_DIR}/fractionConfigVersion.cmake"
  DESTINATION "${config_dir}" COMPONENT Development)

# Makes NAME.pc from cmake/NAME.pc.in and installs it. pkg-config finds the
# prefix from where the file lies, so that the package can be installed with
# `cmake --install --prefix` anywhere. fraction-big.pc is made so too
# (cmake/FractionBigInstall.cmake).
function(fraction_install_pkg_config name)
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
  configure_file("${PROJECT_SOURCE_DIR}/cmake/${name}.pc.in" ${name}.pc @ONLY)
  install(FILES "${CMAKE_CURRENT_BINARY_DIR}/${name}.pc"
          DESTINATION "${CMAKE_INSTALL_LIBDIR}/pkgconfig" COMPONENT Development)
endfunction()
fraction_install_pkg_config(fraction)
