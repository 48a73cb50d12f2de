# GoogleTest: the installed package where there is one, otherwise built from
# its sources (Debian's googletest package puts them in /usr/src/googletest;
# a cross build finds no installed package for its target).
find_package(GTest CONFIG QUIET)
if(NOT TARGET GTest::gtest_main)
  set(FRACTION_GTEST_SOURCE_DIR "/usr/src/googletest"
      CACHE PATH "GoogleTest sources, used when no installed package is found")
  if(NOT EXISTS "${FRACTION_GTEST_SOURCE_DIR}/CMakeLists.txt")
    message(FATAL_ERROR
      "GoogleTest not found: install it (Debian: libgtest-dev) or set "
      "FRACTION_GTEST_SOURCE_DIR to its sources")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  # Static even in a shared build of ours: the library is what is under test.
  set(fraction_build_shared_libs "${BUILD_SHARED_LIBS}")
  set(BUILD_SHARED_LIBS OFF)
  add_subdirectory("${FRACTION_GTEST_SOURCE_DIR}" googletest EXCLUDE_FROM_ALL)
  set(BUILD_SHARED_LIBS "${fraction_build_shared_libs}")
  # GoogleTest 1.11 and later name their targets GTest::* themselves.
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
endif()
include(GoogleTest)
