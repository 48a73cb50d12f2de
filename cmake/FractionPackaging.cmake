# cpack: a .deb and a .tar.gz of what the install rules lay out, made in the
# build directory by `cpack` (or the `package` workflow preset).
#
# A static build, the default, installs only what developers use (headers,
# libfraction.a, the CMake package, fraction.pc): nothing of it is needed
# when a program runs, so it makes one package, libfraction-dev. A shared
# build makes Debian's usual pair instead: libfraction1 with the shared
# library, whose dependencies dpkg-shlibdeps (package dpkg-dev) finds, and
# libfraction-dev with the rest, which depends on that very version of it.
# The .tar.gz holds everything in both cases.

set(CPACK_PACKAGE_NAME fraction)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Exact fractions of two 32-bit signed integers for C++17")
# Lines as Debian's control file wants them, under 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "fraction::TFrac holds a numerator and a denominator, both 32-bit signed"
  "integers: arithmetic, exact comparison, hashing and conversion to and from"
  "text. Arithmetic wraps around in 32 bits; checked operations tell when a"
  "result does not fit. The library throws nothing.")
# Whoever builds packages to hand out names themselves: -D CPACK_PACKAGE_CONTACT=...
if(NOT CPACK_PACKAGE_CONTACT)
  set(CPACK_PACKAGE_CONTACT "fraction maintainers <maintainers@example.org>")
endif()
set(CPACK_GENERATOR "DEB;TGZ")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
set(fraction_deb_version "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")

get_target_property(fraction_type fraction TYPE)
if(fraction_type STREQUAL "SHARED_LIBRARY")
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME "libfraction${PROJECT_VERSION_MAJOR}")
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
  # A shlibs file, so that packages built against this one depend on it:
  # any version from this one on, as the SONAME stays with the major.
  set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
  set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libfraction-dev)
  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
      "${CPACK_DEBIAN_RUNTIME_PACKAGE_NAME} (= ${fraction_deb_version})")
else()
  set(CPACK_DEBIAN_PACKAGE_NAME libfraction-dev)
  # The archive's objects call into libstdc++, which a program linking them
  # must link too: any C++ toolchain with libstdc++ provides it.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libstdc++-dev")
endif()
# With BigFraction, whose header includes gmpxx.h and whose users link GMP,
# the development package needs GMP's (which brings its runtime package,
# libgmp10); a shared build's runtime package depends on libgmp10 by
# itself, through dpkg-shlibdeps.
if(TARGET fraction_big)
  set(gmp_development_package "libgmp-dev (>= 2:6)")
  if(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS)
    string(APPEND CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS ", ${gmp_development_package}")
  else()
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${gmp_development_package}")
  endif()
  string(APPEND CPACK_PACKAGE_DESCRIPTION
    "\nfraction::BigFraction (library fraction-big) is its exact companion of"
    "\nany size, on GMP.")
endif()

include(CPack)
