# Cross build for 64-bit Windows with Debian's MinGW-w64 (packages
# g++-mingw-w64-x86-64 and, to run the results, wine64):
#   cmake --preset mingw    (or -D CMAKE_TOOLCHAIN_FILE=<this file>)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FRACTION_MINGW_TRIPLET x86_64-w64-mingw32)

# The -posix variant: its libstdc++ has std::thread and std::mutex (the
# tests run threads), backed by winpthreads. The -win32 variant of GCC 12,
# Debian's default alternative, has neither.
find_program(CMAKE_C_COMPILER NAMES ${FRACTION_MINGW_TRIPLET}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${FRACTION_MINGW_TRIPLET}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${FRACTION_MINGW_TRIPLET}-windres)

# Libraries, headers and packages from the target's tree only; programs
# (build tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${FRACTION_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Statically linked, libstdc++, libgcc and winpthreads included, so that an
# .exe runs on its own: under Wine or on a Windows machine, no DLLs to copy.
# A DLL (BUILD_SHARED_LIBS) too, so that libfraction.dll needs none beyond
# Windows' own either. It then holds its own copy of the C++ runtime; what
# crosses its interface is only inline code of the standard headers (the
# layouts of std::string, the streams, std::optional) and blocks from
# msvcrt's heap, which every module shares.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

# ctest, and gtest_discover_tests, run the programs under Wine. Debian's
# wine64 package puts its loader outside PATH.
find_program(FRACTION_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(FRACTION_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${FRACTION_WINE64}")
endif()
