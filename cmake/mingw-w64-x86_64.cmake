# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX threads variant, which
# std::thread and std::mutex need). The programs link the compiler's runtime statically, so
# that they run from a folder with nothing beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZORBEL_MINGW_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${ZORBEL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZORBEL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZORBEL_MINGW_PREFIX}-windres)

# Libraries and packages come from the target's own tree only; programs (the build tools)
# from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${ZORBEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest runs the Windows programs through Wine.
find_program(ZORBEL_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ZORBEL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZORBEL_WINE})
endif()
