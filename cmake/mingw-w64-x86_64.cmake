# Cross build for 64-bit Windows from Debian with the MinGW-w64 toolchain
# (packages g++-mingw-w64-x86-64-posix and mingw-w64-x86-64-dev).
#
# The posix-threads variant of the compiler is used: it has the complete C++
# thread library, which the win32-threads variant of GCC 12 lacks. Programs
# are linked statically (C and C++ runtimes, winpthread), so the .exe files
# run on a bare Windows with nothing beside them but system DLLs.
#
# When Wine is installed, it is the emulator through which CMake and CTest run
# the built programs, so `ctest` runs the Windows tests on Linux.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MORLINDO_MINGW_TRIPLET x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${MORLINDO_MINGW_TRIPLET}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${MORLINDO_MINGW_TRIPLET}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${MORLINDO_MINGW_TRIPLET}-windres)

# Headers, libraries and CMake packages come from the MinGW sysroot (and from
# prefixes added to CMAKE_FIND_ROOT_PATH, such as a GoogleTest built with this
# file), never from the Linux system; build tools do come from Linux.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${MORLINDO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(MORLINDO_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(MORLINDO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MORLINDO_WINE})
endif()
