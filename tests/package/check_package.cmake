# Builds and runs the consumer project, with CXX_COMPILER and CXX_FLAGS (the
# library's own, such as another standard library), three ways: against the
# installed package of the build in BUILD_DIR, through its pkg-config file
# (installed in LIBDIR/pkgconfig), and with the sources in SOURCE_DIR added
# in. Without BUILD_DIR, the first two against what is installed on the
# system (from the .deb), found where CMake and pkg-config look by default.
file(REMOVE_RECURSE "${WORK_DIR}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}")
  endif()
endfunction()

function(build_consumer name)
  set(dir "${WORK_DIR}/${name}")
  run(${CMAKE_COMMAND} -S "${SOURCE_DIR}/tests/package" -B "${dir}"
      -G "${GENERATOR}" -D CMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
      ${ARGN})
  run(${CMAKE_COMMAND} --build "${dir}")
  run("${dir}/consumer")
endfunction()

if(NOT BUILD_DIR)
  unset(ENV{PKG_CONFIG_PATH})
  build_consumer(installed)
  build_consumer(pkg_config -D FRACTION_PKG_CONFIG=ON)
  return()
endif()

run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix")
build_consumer(installed -D CMAKE_PREFIX_PATH=${WORK_DIR}/prefix)
set(ENV{PKG_CONFIG_PATH} "${WORK_DIR}/prefix/${LIBDIR}/pkgconfig")
build_consumer(pkg_config -D FRACTION_PKG_CONFIG=ON)
build_consumer(subdirectory -D FRACTION_SOURCE_DIR=${SOURCE_DIR})
