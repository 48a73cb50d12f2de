# Builds and runs the consumer project, with CXX_COMPILER and CXX_FLAGS (the
# library's own, such as another standard library), three ways: against the
# installed package of the build in BUILD_DIR, through its pkg-config file
# (installed in LIBDIR/pkgconfig), and with the sources in SOURCE_DIR added
# in. Without BUILD_DIR, the first two against what is installed: in PREFIX
# (an unpacked archive, its pkg-config file in LIBDIR/pkgconfig), or else on
# the system (from the .deb), found where CMake and pkg-config look by
# default.
file(REMOVE_RECURSE "${WORK_DIR}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}")
  endif()
endfunction()

# With BIG on, the consumers use BigFraction (fraction::big) as well.
function(build_consumer name)
  set(dir "${WORK_DIR}/${name}")
  run(${CMAKE_COMMAND} -S "${SOURCE_DIR}/tests/package" -B "${dir}"
      -G "${GENERATOR}" -D CMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
      -D FRACTION_CONSUMER_BIG=${BIG} ${ARGN})
  run(${CMAKE_COMMAND} --build "${dir}")
  run("${dir}/consumer")
endfunction()

if(NOT BUILD_DIR)
  unset(ENV{PKG_CONFIG_PATH})
  if(PREFIX)
    build_consumer(installed -D CMAKE_PREFIX_PATH=${PREFIX})
    set(ENV{PKG_CONFIG_PATH} "${PREFIX}/${LIBDIR}/pkgconfig")
  else()
    build_consumer(installed)
  endif()
  build_consumer(pkg_config -D FRACTION_PKG_CONFIG=ON)
  return()
endif()

run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix")

# Installed again into its prefix, the library goes in; over the other kind
# (static over shared, or shared over static), it stops, having copied nothing.
run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix")
set(targets_file "${LIBDIR}/cmake/fraction/fractionTargets.cmake")
file(READ "${WORK_DIR}/prefix/${targets_file}" targets)
string(REGEX MATCH "fraction::fraction (STATIC|SHARED) IMPORTED" kind "${targets}")
set(kind "${CMAKE_MATCH_1}")
set(other STATIC SHARED)
list(REMOVE_ITEM other "${kind}")
string(REPLACE " ${kind} IMPORTED" " ${other} IMPORTED" targets "${targets}")
file(WRITE "${WORK_DIR}/other_kind/${targets_file}" "${targets}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK_DIR}/other_kind"
                RESULT_VARIABLE result ERROR_VARIABLE error)
if(result EQUAL 0 OR NOT error MATCHES "holds[ \n]+the" OR EXISTS "${WORK_DIR}/other_kind/include")
  message(FATAL_ERROR "installed over the other kind of library (${result}): ${error}")
endif()
build_consumer(installed -D CMAKE_PREFIX_PATH=${WORK_DIR}/prefix)
set(ENV{PKG_CONFIG_PATH} "${WORK_DIR}/prefix/${LIBDIR}/pkgconfig")
build_consumer(pkg_config -D FRACTION_PKG_CONFIG=ON)
build_consumer(subdirectory -D FRACTION_SOURCE_DIR=${SOURCE_DIR})
