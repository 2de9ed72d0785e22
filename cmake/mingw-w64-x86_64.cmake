# Cross-building for 64-bit Windows with Debian's MinGW-w64 (the posix-threads
# compilers, which give std::thread and std::mutex). The C and C++ runtimes are
# linked statically, so the executables import only DLLs that every Windows has.
# Test executables run under Wine through CMake's cross-compiling emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SELBRIN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SELBRIN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SELBRIN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${SELBRIN_MINGW_PREFIX}-windres)
set(CMAKE_AR ${SELBRIN_MINGW_PREFIX}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${SELBRIN_MINGW_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${SELBRIN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# winpthread is linked statically too: -static applies to every library that
# follows, and the Windows system libraries exist only as import libraries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(SELBRIN_WINE wine)
if(SELBRIN_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SELBRIN_WINE})
endif()
